function Initialize(var V: Variant): Boolean;
begin
  Result := Frobnicate(3);
end;
