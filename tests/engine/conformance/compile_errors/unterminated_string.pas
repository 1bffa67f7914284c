function Main(var V: Variant): Boolean;
begin
  WriteLn('never closed);
  Result := True;
end;
