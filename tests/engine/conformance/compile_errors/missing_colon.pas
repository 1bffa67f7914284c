function Main(var V: Variant): Boolean;
var
  I Integer;
begin
  Result := True;
end;
