{ Free on a nil object is a run-time error. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  S: string;
begin
  L := TStringList.Create;
  L := nil;
  L.Free;
  Result := True;
end;
