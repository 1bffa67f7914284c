function Initialize(var V: Variant): Boolean;
begin
  Result := True
  Result := False;
end;
