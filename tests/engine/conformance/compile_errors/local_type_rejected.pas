function Main(var V: Variant): Boolean;
type
  TLocal = Integer;
begin
  Result := True;
end;
