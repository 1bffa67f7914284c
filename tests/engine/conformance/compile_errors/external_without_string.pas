{ external must be followed by a string: String Expected. }
function F: Integer; external Foo;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
