function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  D := 5.5;
  D := D mod 2;
  Result := True;
end;
