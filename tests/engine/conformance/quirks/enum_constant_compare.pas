{ Comparing two enum constants with < does not compile (Type mismatch). }
type
  TColor = (cRed, cGreen, cBlue);
function Main(var V: Variant): Boolean;
begin
  Result := cRed < cBlue;
end;
