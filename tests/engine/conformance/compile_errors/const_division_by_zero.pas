const
  Z = 0;
  Q = 10 div Z;
function Main(var V: Variant): Boolean;
begin
  Result := Q = 0;
end;
