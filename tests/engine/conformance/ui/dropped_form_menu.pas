// TForm.Menu names TMainMenu, declared after the forms: not there either.
var F: TForm;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil);
  F.Menu := nil;
  Result := True;
end;
