{ TEnum(2) casts are rejected. }
type
  TColor = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
var
  C: TColor;
begin
  C := TColor(2);
  Result := C = cBlue;
end;
