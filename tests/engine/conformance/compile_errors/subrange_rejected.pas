type
  TSmall = 1..10;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
