function Main(var V: Variant): Boolean;
var
  X: TNoSuchType;
begin
  Result := True;
end;
