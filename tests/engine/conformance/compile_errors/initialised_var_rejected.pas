var
  G: Integer = 5;
function Main(var V: Variant): Boolean;
begin
  Result := G = 5;
end;
