{ Assigning a read-only property of an imported class. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
begin
  L := TStringList.Create;
  L.Count := 5;
  Result := True;
end;
