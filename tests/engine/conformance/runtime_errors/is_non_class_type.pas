{ "is" with a type that is no class compiles and fails when it runs. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  S: string;
begin
  L := TStringList.Create;
  if L is Integer then WriteLn('never');
  Result := True;
end;
