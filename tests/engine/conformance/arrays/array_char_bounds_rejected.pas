{ Char bounds for a static array are rejected. }
var
  A: array['a'..'z'] of Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
