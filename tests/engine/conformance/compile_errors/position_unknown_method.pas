function Main(var V: Variant): Boolean;
var
  L: TStringList;
begin
  L := TStringList.Create;
  L.NoSuchMethod(1);
  Result := True;
end;
