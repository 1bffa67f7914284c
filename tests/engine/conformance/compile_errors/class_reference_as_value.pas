{ A class name where a value is due. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  S: string;
begin
  L := TStringList.Create;
  O := TStringList;
  Result := True;
end;
