{ A variable may not take the name of Pos, Copy or Delete. }
var Pos: Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
