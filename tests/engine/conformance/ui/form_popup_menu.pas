// The menus library adds PopupMenu to TForm (and, by a slip of the import
// unit, to TPopupMenu itself).
var F: TForm; P: TPopupMenu;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil);
  P := TPopupMenu.Create(F);
  F.PopupMenu := P;
  P.PopupMenu := nil;
  Result := True;
end;
