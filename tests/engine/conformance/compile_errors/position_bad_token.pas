function Main(var V: Variant): Boolean;
begin
  Result := True ? False;
end;
