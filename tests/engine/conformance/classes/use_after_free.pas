{ A method of a freed object is a run-time error, not a crash. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
begin
  L := TStringList.Create;
  L.Add('x');
  L.Free;
  L.Add('after free');
  Result := True;
end;
