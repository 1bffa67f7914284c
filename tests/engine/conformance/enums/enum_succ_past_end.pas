{ Succ past the last enum value is not checked: the ordinal keeps going. }
type
  TColor = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
var
  C: TColor;
begin
  C := cBlue;
  C := Succ(C);
  WriteLn('ord=' + IntToStr(Ord(C)));
  C := cRed;
  C := Pred(C);
  WriteLn('ord=' + IntToStr(Ord(C)));
  Result := True;
end;
