function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  for I := 1 to 2 Result := True;
end;
