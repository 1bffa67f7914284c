function Main(var V: Variant): Boolean;
begin
  if True then
  begin
    Result := True;
end;
