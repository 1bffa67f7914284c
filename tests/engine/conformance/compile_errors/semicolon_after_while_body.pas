function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  while I > 100 do I := 0
  Result := True;
end;
