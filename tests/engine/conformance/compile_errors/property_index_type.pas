{ A string-indexed property given an Integer: reported at the end of the statement. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  S: string;
begin
  L := TStringList.Create;
  S := L.Values[1];
  Result := True;
end;
