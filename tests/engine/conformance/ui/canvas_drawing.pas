// Drawing on canvases: paint box in OnPaint, form, image, bitmap; pens,
// brushes and fonts; shapes and bevels.
var F: TForm; P: TPaintBox; I: TImage; B: TBitmap; S: TShape; Bv: TBevel; R: TRect;
procedure PaintIt(Sender: TObject);
var C: TCanvas;
begin
  C := P.Canvas;
  C.Pen.Color := clRed; C.Pen.Width := 2; C.Pen.Style := psDot; C.Pen.Mode := pmXor;
  C.Brush.Color := clBlue; C.Brush.Style := bsCross;
  C.Font.Name := 'Arial'; C.Font.Size := 10; C.Font.Style := [fsBold, fsItalic]; C.Font.Color := clNavy;
  C.MoveTo(0, 0); C.LineTo(10, 10);
  C.Rectangle(0, 0, 10, 10); C.Ellipse(0, 0, 20, 20); C.RoundRect(0, 0, 20, 20, 4, 4);
  C.Arc(0, 0, 20, 20, 0, 0, 20, 20); C.Chord(0, 0, 20, 20, 0, 0, 20, 20); C.Pie(0, 0, 20, 20, 0, 0, 20, 20);
  C.FillRect(R); C.FloodFill(5, 5, clRed, 1);
  C.TextOut(1, 1, 'Hi'); C.Pixels[1, 2] := clLime;
  if C.TextWidth('Hi') + C.TextHeight('Hi') > C.Pixels[1, 2] then C.Refresh;
  C.Draw(0, 0, B);
end;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Color := clWhite; F.Canvas.TextOut(0, 0, F.Caption);
  P := TPaintBox.Create(F); P.Parent := F; P.OnPaint := @PaintIt; P.Color := clYellow;
  B := TBitmap.Create; B.Width := 8; B.Height := 8; B.Canvas.Pixels[0, 0] := clBlack;
  if not B.Empty then B.SaveToFile('x.bmp');
  I := TImage.Create(F); I.Parent := F; I.Stretch := True; I.Center := True; I.AutoSize := False;
  I.Picture.Bitmap := B; I.Canvas.Draw(0, 0, I.Picture.Bitmap);
  S := TShape.Create(F); S.Parent := F; S.Shape := stCircle; S.Pen.Color := clRed; S.Brush.Style := bsClear;
  S.Brush := S.Brush;
  Bv := TBevel.Create(F); Bv.Parent := F; Bv.Shape := bsFrame; Bv.Style := bsRaised;
  B.Free; F.Free;
  Result := True;
end;
