// OnClose takes the action as a var parameter; a handler taking it by value
// does not fit.
var F: TForm;
procedure Closing(Sender: TObject; Action: TCloseAction);
begin
end;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil);
  F.OnClose := @Closing;
  Result := True;
end;
