{ An integer cannot be assigned to an enum variable. }
type
  TColor = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
var
  C: TColor;
begin
  C := 1;
  Result := True;
end;
