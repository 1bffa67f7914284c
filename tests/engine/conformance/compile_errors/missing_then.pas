function Main(var V: Variant): Boolean;
begin
  if V = 1 Result := True;
end;
