// A dialog built in code: a form, its controls, their events and a modal
// run. Compiled only: the controls have no run-time half in the runners.
var
  F: TForm; B, C: TButton; L: TLabel; E: TEdit; M: TMemo; X: TCheckBox;
  LB: TListBox; CB: TComboBox; T: TTimer; G: TGroupBox; R: TRadioButton;
  P: TPanel; RG: TRadioGroup; SB: TScrollBar; Bv: TBevel; Sh: TShape;
  Img: TImage; PB: TPaintBox; Sp: TSpeedButton; BB: TBitBtn; Clicks: Integer;

procedure OkClick(Sender: TObject);
begin
  Clicks := Clicks + 1;
  if Sender = B then F.ModalResult := mrOk;
end;

procedure EditKey(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  if (Key = 13) and (ssCtrl in Shift) then Key := 0;
end;

procedure EditKeyPress(Sender: TObject; var Key: Char);
begin
  if Key = 'a' then Key := 'A';
end;

procedure FormClose(Sender: TObject; var Action: TCloseAction);
begin
  Action := caHide;
end;

procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  CanClose := X.Checked;
end;

procedure Tick(Sender: TObject);
begin
  T.Enabled := False;
  F.Close;
end;

procedure Paint(Sender: TObject);
begin
  PB.Canvas.Pen.Color := clBlue;
  PB.Canvas.Brush.Style := bsClear;
  PB.Canvas.Rectangle(0, 0, PB.Width, PB.Height);
  PB.Canvas.TextOut(2, 2, 'paint');
end;

function Main(var V: Variant): Boolean;
var I: Integer; N: TNotifyEvent;
begin
  F := TForm.CreateNew(nil);
  F.Caption := 'Channels'; F.Position := poScreenCenter; F.BorderStyle := bsDialog;
  F.SetBounds(0, 0, 400, 300); F.KeyPreview := True; F.BorderIcons := [biSystemMenu];
  F.OnClose := @FormClose; F.OnCloseQuery := @FormCloseQuery; F.OnShow := @OkClick;
  F.Font.Name := 'Sans'; F.Font.Size := 9; F.Color := clBtnFace;
  B := TButton.Create(F); B.Parent := F; B.Caption := '&OK'; B.Default := True; B.OnClick := @OkClick;
  C := TButton.Create(F); C.Parent := F; C.Caption := 'Cancel'; C.Cancel := True; C.ModalResult := mrCancel;
  L := TLabel.Create(F); L.Parent := F; L.Caption := 'Name:'; L.Font.Style := [fsBold]; L.Alignment := taRightJustify;
  E := TEdit.Create(F); E.Parent := F; E.Text := 'x'; E.MaxLength := 20; E.OnKeyDown := @EditKey;
  E.OnKeyPress := @EditKeyPress; E.OnChange := @OkClick; L.FocusControl := E;
  M := TMemo.Create(F); M.Parent := F; M.Lines.Add('one'); M.Lines.Text := 'a' + #13#10 + 'b';
  M.ScrollBars := ssVertical; M.WordWrap := False; M.ReadOnly := True;
  X := TCheckBox.Create(F); X.Parent := F; X.Caption := 'Close'; X.Checked := True; X.State := cbGrayed;
  LB := TListBox.Create(F); LB.Parent := F; LB.Items.Add('p'); LB.ItemIndex := 0; LB.MultiSelect := True;
  if LB.Selected[0] then LB.Items.Delete(0);
  CB := TComboBox.Create(F); CB.Parent := F; CB.Style := csDropDownList; CB.Items.CommaText := 'a,b,c';
  CB.ItemIndex := 1; CB.OnChange := @OkClick;
  T := TTimer.Create(F); T.Interval := 500; T.OnTimer := @Tick; T.Enabled := True;
  G := TGroupBox.Create(F); G.Parent := F; G.Caption := 'Group';
  R := TRadioButton.Create(F); R.Parent := G; R.Checked := True;
  P := TPanel.Create(F); P.Parent := F; P.Align := alBottom; P.BevelOuter := bvNone; P.Caption := '';
  RG := TRadioGroup.Create(F); RG.Parent := F; RG.Items.Add('x'); RG.Columns := 2; RG.ItemIndex := 0;
  SB := TScrollBar.Create(F); SB.Parent := F; SB.Min := 0; SB.Max := 10; SB.Position := 5; SB.OnChange := @OkClick;
  Bv := TBevel.Create(F); Bv.Parent := F; Bv.Shape := bsTopLine;
  Sh := TShape.Create(F); Sh.Parent := F; Sh.Shape := stCircle; Sh.Brush.Color := clRed;
  Img := TImage.Create(F); Img.Parent := F; Img.Stretch := True; Img.Picture.Bitmap.Width := 8;
  PB := TPaintBox.Create(F); PB.Parent := F; PB.OnPaint := @Paint;
  Sp := TSpeedButton.Create(F); Sp.Parent := F; Sp.GroupIndex := 1; Sp.Down := True;
  BB := TBitBtn.Create(F); BB.Parent := F; BB.Kind := bkClose;
  for I := 0 to F.ControlCount - 1 do F.Controls[I].Enabled := True;
  N := B.OnClick; N(B);
  if B.OnClick <> nil then B.OnClick := nil;
  if F.ShowModal = mrOk then WriteLn('ok');
  F.Free;
  Result := True;
end;
