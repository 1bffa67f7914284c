function Initialize(var V: Variant): Boolean;
begin
  Result := False;
end;
