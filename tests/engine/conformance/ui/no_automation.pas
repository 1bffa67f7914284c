// Automation objects are not offered: CreateOleObject is unknown.
var O: Variant;
function Main(var V: Variant): Boolean;
begin
  O := CreateOleObject('Excel.Application');
  Result := True;
end;
