function Main(var V: Variant): Boolean;
begin
  if V = 1 then Result := True;
  else Result := False;
end;
