{ An enum value name that clashes with a variable. }
type
  TColor = (cRed, cGreen);
var
  cRed: Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
