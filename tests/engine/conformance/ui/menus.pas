// Menus built with the menu functions and by hand.
var F: TForm; MM: TMainMenu; PM: TPopupMenu; It, Sub: TMenuItem;
procedure Picked(Sender: TObject);
begin
  TMenuItem(Sender).Checked := not TMenuItem(Sender).Checked;
end;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil);
  Sub := NewSubMenu('&Edit', 0, 'mnuEdit', [NewItem('&Copy', TextToShortCut('Ctrl+C'), False, True, @Picked, 0, 'mnuCopy')], True);
  MM := NewMenu(F, 'mnuMain', [NewItem('&Open', 0, False, True, @Picked, 0, 'mnuOpen'), NewLine, Sub]);
  PM := NewPopupMenu(F, 'mnuPopup', paLeft, True, [NewItem('&Paste', TextToShortCut('Ctrl+V'), False, True, nil, 0, 'mnuPaste')]);
  It := TMenuItem.Create(MM);
  It.Caption := 'E&xit'; It.OnClick := @Picked; It.ShortCut := TextToShortCut('Alt+X');
  MM.Items.Add(It);
  MM.Items.Insert(0, NewLine);
  if MM.Items.Count > 2 then MM.Items.Items[1].Enabled := False;
  if MM.Items.Find('&Open') <> nil then WriteLn(MM.Items.Find('&Open').Caption);
  F.PopupMenu := PM;
  PM.Popup(10, 10);
  F.Free;
  Result := True;
end;
