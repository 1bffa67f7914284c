{ An enum value stored in a Variant. }
type
  TColor = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
var
  C: TColor;
  X: Variant;
begin
  C := cBlue;
  X := C;
  WriteLn('vartype=' + IntToStr(VarType(X)));
  V := X;
  Result := True;
end;
