unit Foo;
interface
implementation
end.
