// Key and mouse events with the declared event types, KeyPreview, focus,
// size and activation events.
var F: TForm; E: TEdit; M: TMemo; P: TPaintBox; Pn: TPanel;
procedure Down(Sender: TObject; var Key: Word; Shift: TShiftState);
begin if (Key = 13) and (ssCtrl in Shift) then Key := 0; end;
procedure Press(Sender: TObject; var Key: Char); begin if Key = 'a' then Key := #0; end;
procedure Mouse(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
begin if (Button = mbRight) and (ssDouble in Shift) then Exit; end;
procedure Move(Sender: TObject; Shift: TShiftState; X, Y: Integer); begin end;
procedure Note(Sender: TObject); begin end;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.KeyPreview := True;
  F.OnKeyDown := @Down; F.OnKeyUp := @Down; F.OnKeyPress := @Press;
  F.OnMouseDown := @Mouse; F.OnMouseUp := @Mouse; F.OnMouseMove := @Move;
  F.OnActivate := @Note; F.OnDeactivate := @Note; F.OnResize := @Note; F.OnDblClick := @Note; F.OnPaint := @Note;
  E := TEdit.Create(F); E.Parent := F;
  E.OnKeyDown := @Down; E.OnKeyUp := @Down; E.OnKeyPress := @Press; E.OnEnter := @Note; E.OnExit := @Note;
  E.OnMouseDown := @Mouse; E.OnMouseMove := @Move; E.OnDblClick := @Note;
  M := TMemo.Create(F); M.Parent := F; M.OnKeyPress := @Press; M.OnEnter := @Note;
  P := TPaintBox.Create(F); P.Parent := F; P.OnMouseDown := @Mouse; P.OnMouseUp := @Mouse; P.OnMouseMove := @Move;
  P.OnDblClick := @Note; P.OnClick := @Note;
  Pn := TPanel.Create(F); Pn.Parent := F; Pn.OnResize := @Note; Pn.OnEnter := @Note; Pn.OnMouseDown := @Mouse;
  F.Free;
  Result := True;
end;
