{ A type may not take a global variable's name. }
var T: Integer; type T = Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
