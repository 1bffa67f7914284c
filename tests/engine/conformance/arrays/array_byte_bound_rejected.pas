{ array[Byte] (a type as bounds) is rejected. }
var
  A: array[Byte] of Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
