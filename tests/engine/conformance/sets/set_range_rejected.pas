{ Set constructors list single elements only: ['a'..'z'] is rejected. }
function Main(var V: Variant): Boolean;
var
  C: Char;
begin
  C := 'q';
  Result := C in ['a'..'z'];
end;
