{ Enums support = and <> only: > between two enum variables is a Type mismatch. }
type
  TColor = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
var
  C, D: TColor;
begin
  C := cBlue; D := cRed;
  Result := C > D;
end;
