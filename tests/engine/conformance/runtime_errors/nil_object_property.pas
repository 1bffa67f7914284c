function Main(var V: Variant): Boolean;
var
  L: TStringList;
  N: Integer;
begin
  N := L.Count;
  Result := N = 0;
end;
