{ "is" with a constant on the left. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  S: string;
begin
  L := TStringList.Create;
  if nil is TObject then WriteLn('never');
  Result := True;
end;
