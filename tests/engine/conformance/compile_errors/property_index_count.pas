{ A default array property given two indexes. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  S: string;
begin
  L := TStringList.Create;
  S := L[1, 2];
  Result := True;
end;
