{ Ord() of an enum constant (not a variable) is a Type mismatch at compile
  time; Ord of a variable of the same type compiles. }
type
  TCol = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
var
  C: TCol;
  I: Integer;
begin
  C := cBlue;
  I := Ord(C);
  I := Ord(cGreen);
  Result := I = 1;
end;
