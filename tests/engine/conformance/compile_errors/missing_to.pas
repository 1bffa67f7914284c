function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  for I := 1 upto 2 do Result := True;
end;
