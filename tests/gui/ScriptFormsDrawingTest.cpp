// Script drawing offscreen: canvases of paint boxes, forms, images and
// bitmaps draw with their pen, brush and font where the Windows calls would
// (rectangles up to X2-1, lines without their last point); shapes and
// bevels paint themselves; the pixels the script reads are the ones drawn.
#include <QApplication>
#include <QImage>
#include <QWidget>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "ScriptFormsSupport.h"

namespace tarno {
namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kLime = qRgb(0, 255, 0), kYellow = qRgb(255, 255, 0);

// The widget of a given size among the form's children.
QWidget* ChildSized(QWidget* form, int width, int height) {
  for (QWidget* w : form->findChildren<QWidget*>())
    if (w->width() == width && w->height() == height) return w;
  return nullptr;
}

const char* const kPaintBox = R"(
var F: TForm; P: TPaintBox; Paints: Integer; Seen: string;
procedure PaintIt(Sender: TObject);
var C: TCanvas; R: TRect;
begin
  Paints := Paints + 1;
  C := P.Canvas;
  C.Pen.Color := clRed; C.Brush.Color := clBlue;
  C.Rectangle(0, 0, 10, 10);
  C.Pen.Color := clLime;
  C.MoveTo(20, 5); C.LineTo(30, 5);
  C.Brush.Color := clYellow;
  R.Left := 40; R.Top := 0; R.Right := 45; R.Bottom := 5;
  C.FillRect(R);
  C.Brush.Style := bsClear; C.Pen.Color := clRed;
  C.Ellipse(50, 0, 70, 20);
  C.Brush.Color := clLime;  // solid again
  C.Rectangle(72, 0, 78, 6);
  Seen := IntToStr(C.Pixels[5, 5]) + ' ' + IntToStr(C.Pixels[9, 0]) + ' ' + IntToStr(Ord(C.Pixels[10, 0] <> clRed)) + ' ' +
    IntToStr(C.Pixels[29, 5]) + ' ' + IntToStr(Ord(C.Pixels[30, 5] <> clLime)) + ' ' + IntToStr(C.Pixels[-1, 0]);
end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Painted'; F.SetBounds(0, 0, 200, 100);
  P := TPaintBox.Create(F); P.Parent := F; P.SetBounds(10, 10, 80, 30); P.OnPaint := @PaintIt;
  F.Show;
  Result := True;
end;
function Report(var V: Variant): Boolean;
begin
  V := IntToStr(Ord(Paints > 0)) + ' ' + Seen + ' ' + IntToStr(Ord(P.Canvas.TextWidth('MMMM') > P.Canvas.TextWidth('M'))) +
    ' ' + IntToStr(Ord(P.Canvas.TextHeight('M') > 0));
  Result := True;
end;
)";

TEST_F(ScriptForms, APaintBoxDrawsInOnPaintWithItsPenAndBrushWhereWindowsWould) {
  Load(kPaintBox);
  ASSERT_EQ(Call("Make"), "");
  QWidget* box = ChildSized(Window("Painted"), 80, 30);
  ASSERT_NE(box, nullptr);
  const QImage shown = Shown(box);
  EXPECT_EQ(shown.pixel(5, 5), kBlue);   // the brush inside
  EXPECT_EQ(shown.pixel(0, 0), kRed);    // the pen around
  EXPECT_EQ(shown.pixel(9, 9), kRed);    // up to X2-1, Y2-1
  EXPECT_NE(shown.pixel(10, 10), kRed);
  EXPECT_EQ(shown.pixel(20, 5), kLime);
  EXPECT_EQ(shown.pixel(29, 5), kLime);
  EXPECT_NE(shown.pixel(30, 5), kLime);  // a line leaves out its end
  EXPECT_EQ(shown.pixel(40, 0), kYellow);
  EXPECT_EQ(shown.pixel(44, 4), kYellow);
  EXPECT_NE(shown.pixel(45, 5), kYellow);
  EXPECT_EQ(shown.pixel(50, 10), kRed);  // the ellipse's left edge, its inside left clear
  EXPECT_NE(shown.pixel(60, 10), kRed);
  EXPECT_EQ(shown.pixel(74, 3), kLime);
  // TColor is $00BBGGRR; a pixel outside reads -1.
  EXPECT_EQ(Call("Report"), "1 16711680 255 1 65280 1 -1 1 1");
}

const char* const kPictures = R"(
var F: TForm; I: TImage; B: TBitmap; S, Circle: TShape; Bv: TBevel;
function Bounds(L, T, W, H: Integer): TRect;
begin Result.Left := L; Result.Top := T; Result.Right := L + W; Result.Bottom := T + H; end;
procedure PaintForm(Sender: TObject);
begin F.Canvas.Brush.Color := clLime; F.Canvas.FillRect(Bounds(0, 0, 5, 5)); end;
function Make(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil); F.Caption := 'Pictures'; F.SetBounds(0, 0, 300, 200); F.OnPaint := @PaintForm;
  B := TBitmap.Create; B.Width := 20; B.Height := 10;
  B.Canvas.Brush.Color := clRed; B.Canvas.FillRect(Bounds(0, 0, 20, 10));
  B.Canvas.Pixels[3, 4] := clBlue;
  I := TImage.Create(F); I.Parent := F; I.SetBounds(10, 10, 41, 31);
  I.Canvas.Brush.Color := clYellow; I.Canvas.FillRect(Bounds(0, 0, 41, 31));
  I.Canvas.Draw(10, 10, B);
  S := TShape.Create(F); S.Parent := F; S.SetBounds(100, 10, 43, 23);
  S.Brush.Color := clBlue; S.Pen.Color := clRed;
  Circle := TShape.Create(F); Circle.Parent := F; Circle.SetBounds(150, 10, 47, 21); Circle.Shape := stCircle;
  Circle.Brush.Color := clLime;
  Bv := TBevel.Create(F); Bv.Parent := F; Bv.SetBounds(10, 100, 53, 27);
  F.Show;
  V := IntToStr(B.Canvas.Pixels[3, 4]) + ' ' + IntToStr(B.Canvas.Pixels[0, 0]) + ' ' + IntToStr(B.Width) + ' ' +
    IntToStr(I.Picture.Bitmap.Width) + ' ' + IntToStr(I.Canvas.Pixels[13, 14]) + ' ' + IntToStr(Ord(B.Empty));
  Result := True;
end;
function Recolour(var V: Variant): Boolean;
begin S.Brush.Color := clYellow; I.Picture.Bitmap.Canvas.Pixels[0, 0] := clBlue; Result := True; end;
)";

TEST_F(ScriptForms, BitmapsImagesShapesBevelsAndTheFormCanvasShowWhatWasDrawn) {
  Load(kPictures);
  // The bitmap's pixels read back; the image's canvas is its picture's bitmap, of the image's size.
  ASSERT_EQ(Call("Make"), "16711680 255 20 41 16711680 0");
  QWidget* form = Window("Pictures");
  ASSERT_NE(form, nullptr);
  QWidget* image = ChildSized(form, 41, 31);
  QWidget* shape = ChildSized(form, 43, 23);
  QWidget* circle = ChildSized(form, 47, 21);
  QWidget* bevel = ChildSized(form, 53, 27);
  ASSERT_TRUE(image && shape && circle && bevel);

  QImage shown = Shown(image);
  EXPECT_EQ(shown.pixel(0, 0), kYellow);
  EXPECT_EQ(shown.pixel(10, 10), kRed);  // the bitmap drawn into it
  EXPECT_EQ(shown.pixel(13, 14), kBlue);

  shown = Shown(shape);
  EXPECT_EQ(shown.pixel(0, 0), kRed);
  EXPECT_EQ(shown.pixel(20, 11), kBlue);
  shown = Shown(circle);
  EXPECT_EQ(shown.pixel(23, 10), kLime);  // a circle in the middle of a wide control
  EXPECT_NE(shown.pixel(2, 10), kLime);
  shown = Shown(bevel);
  EXPECT_NE(shown.pixel(0, 0), shown.pixel(52, 26));  // shadow at the top left, light at the bottom right
  EXPECT_NE(shown.pixel(0, 0), shown.pixel(20, 13));
  EXPECT_EQ(Shown(form).pixel(2, 2), kLime);

  ASSERT_EQ(Call("Recolour"), "");
  EXPECT_EQ(Shown(shape).pixel(20, 11), kYellow);  // a changed brush repaints
  EXPECT_EQ(Shown(image).pixel(0, 0), kBlue);
}

// A bitmap written and read back in a format chosen by the extension; a pipe
// in its place fails at once instead of waiting for its other end.
TEST_F(ScriptForms, BitmapsGoToFilesAndBackButNeverWaitOnAPipe) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("tarno-bitmaps-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0666), 0);
  std::string script = R"(
function Bounds(L, T, W, H: Integer): TRect;
begin Result.Left := L; Result.Top := T; Result.Right := L + W; Result.Bottom := T + H; end;
function Attempt(B: TBitmap; Save: Boolean; const Name: string): string;
begin
  Result := 'ok';
  try
    if Save then B.SaveToFile(Name) else B.LoadFromFile(Name);
  except
    Result := ExceptionParam;
  end;
end;
function Run(var V: Variant): Boolean;
var B, C: TBitmap;
begin
  B := TBitmap.Create; B.Width := 4; B.Height := 3;
  B.Canvas.Brush.Color := clRed; B.Canvas.FillRect(Bounds(0, 0, 4, 3)); B.Canvas.Pixels[1, 2] := clBlue;
  C := TBitmap.Create;
  V := Attempt(B, True, 'DIR/a.png') + ' ' + Attempt(C, False, 'DIR/a.png') + ' ' + IntToStr(C.Width) + ' ' +
    IntToStr(C.Canvas.Pixels[1, 2]) + ' ' + Attempt(B, True, 'DIR/plain') + ' ' + Attempt(C, False, 'DIR/plain') + ' ' +
    IntToStr(C.Height) + ' | ' + Attempt(B, True, 'DIR/pipe') + ' | ' + Attempt(C, False, 'DIR/pipe');
  B.Free; C.Free;
  Result := True;
end;
)";
  for (size_t at; (at = script.find("DIR")) != std::string::npos;) script.replace(at, 3, folder.string());
  Load(script);
  EXPECT_EQ(Call("Run"), "ok ok 4 16711680 ok ok 3 | Cannot create file \"" + (folder / "pipe").string() +
                             "\" | Bitmap image is not valid");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tarno
