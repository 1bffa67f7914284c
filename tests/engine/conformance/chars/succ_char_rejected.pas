{ Succ works on integers and enums only: Succ of a Char is a Type mismatch. }
function Main(var V: Variant): Boolean;
var
  C: Char;
begin
  C := 'a';
  C := Succ(C);
  Result := C = 'b';
end;
