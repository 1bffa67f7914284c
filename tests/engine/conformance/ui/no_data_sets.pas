// Data sets are not offered: TDataSet is an unknown type.
var D: TDataSet;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
