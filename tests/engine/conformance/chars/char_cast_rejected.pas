{ Char(65) is rejected; use Chr. }
function Main(var V: Variant): Boolean;
var
  C: Char;
begin
  C := Char(65);
  Result := C = 'A';
end;
