// Radio groups, speed buttons and bit buttons.
var F: TForm; G: TRadioGroup; S: TSpeedButton; B: TBitBtn;
procedure Note(Sender: TObject); begin end;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil);
  G := TRadioGroup.Create(F); G.Parent := F; G.Caption := 'Band'; G.Items.Add('C'); G.Items.Add('Ku');
  G.Columns := 2; G.ItemIndex := 0; G.OnClick := @Note;
  if G.Items.Count > G.Columns then G.Items.Delete(0);
  S := TSpeedButton.Create(F); S.Parent := F; S.GroupIndex := 1; S.AllowAllUp := True; S.Down := True;
  S.Caption := '&Go'; S.OnClick := @Note; S.OnDblClick := @Note; S.OnMouseDown := nil;
  B := TBitBtn.Create(F); B.Parent := F; B.Kind := bkOK; B.Layout := blGlyphLeft;
  if B.ModalResult = mrOk then B.Kind := bkClose;
  F.Free;
  Result := True;
end;
