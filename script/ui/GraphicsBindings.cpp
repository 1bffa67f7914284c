// The natives of the graphics classes and of the controls that draw.
#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>

#include "ClassLibraryHelpers.h"
#include "ControlClasses.h"
#include "StreamClasses.h"
#include "UiBindingTable.h"

namespace tarno::ui {

using classlib::Self;
using classlib::StrArg;
using pscript::NativeCall;
using pscript::Value;

namespace {

int IntOf(const NativeCall& c, int i) { return static_cast<int>(c.arg(i).toInt()); }

// ------------------------------------------------------------------ pens, brushes

void ToolStore(NativeCall& c) { Self<GraphicsToolObject>(c).Store(EntryOf(c).upperName, c.arg(1)); }
// A colour makes a clear brush solid again.
void BrushColorStore(NativeCall& c) {
  constexpr int64_t kBsSolid = 0, kBsClear = 1;
  auto& brush = Self<BrushObject>(c);
  if (brush.IntOf("STYLE") == kBsClear) brush.stored["STYLE"] = Value::integer(kBsSolid);
  brush.Store("COLOR", c.arg(1));
}

// ------------------------------------------------------------------ canvas

CanvasObject& Canvas(NativeCall& c) { return Self<CanvasObject>(c); }
void CanvasPen(NativeCall& c) { c.result() = Canvas(c).Tool("TPen"); }
void CanvasBrush(NativeCall& c) { c.result() = Canvas(c).Tool("TBrush"); }
void CanvasFont(NativeCall& c) { c.result() = Canvas(c).Tool("TFont"); }

void MoveTo(NativeCall& c) { Canvas(c).penPos = {IntOf(c, 1), IntOf(c, 2)}; }
void LineTo(NativeCall& c) {
  CanvasObject& canvas = Canvas(c);
  const QPoint to(IntOf(c, 1), IntOf(c, 2));
  const QPoint from = canvas.penPos;
  canvas.Draw([&](QPainter& p) { DrawLine(p, from, to); }, true, false);
  canvas.penPos = to;
}
void Rectangle(NativeCall& c) {
  Canvas(c).Draw([&](QPainter& p) { DrawRectangle(p, IntOf(c, 1), IntOf(c, 2), IntOf(c, 3), IntOf(c, 4)); });
}
void Ellipse(NativeCall& c) {
  Canvas(c).Draw([&](QPainter& p) { DrawEllipse(p, IntOf(c, 1), IntOf(c, 2), IntOf(c, 3), IntOf(c, 4)); });
}
void RoundRect(NativeCall& c) {
  Canvas(c).Draw([&](QPainter& p) {
    DrawRoundRect(p, IntOf(c, 1), IntOf(c, 2), IntOf(c, 3), IntOf(c, 4), IntOf(c, 5), IntOf(c, 6));
  });
}
// TRect: Left, Top, Right, Bottom; the brush only.
void FillRect(NativeCall& c) {
  const Value& rect = c.arg(1);
  auto field = [&](int i) { return static_cast<int>(rect.arrayAt(i).toInt()); };
  const QRect box(QPoint(field(0), field(1)), QPoint(field(2) - 1, field(3) - 1));
  CanvasObject& canvas = Canvas(c);
  const QBrush brush = canvas.Brush()->Brush(canvas.palette());
  canvas.Draw([&](QPainter& p) { p.fillRect(box, brush); }, false, true);
}
void ArcOf(NativeCall& c, ArcKind kind) {
  const QRect box(QPoint(IntOf(c, 1), IntOf(c, 2)), QPoint(IntOf(c, 3), IntOf(c, 4)));
  const QPoint start(IntOf(c, 5), IntOf(c, 6)), end(IntOf(c, 7), IntOf(c, 8));
  Canvas(c).Draw([&](QPainter& p) { DrawArc(p, kind, box, start, end); }, true, kind != ArcKind::Arc);
}
void Arc(NativeCall& c) { ArcOf(c, ArcKind::Arc); }
void Chord(NativeCall& c) { ArcOf(c, ArcKind::Chord); }
void Pie(NativeCall& c) { ArcOf(c, ArcKind::Pie); }
void DrawGraphic(NativeCall& c) {
  auto* bitmap = c.exec().objectAs<BitmapObject>(c.arg(3));
  if (!bitmap || bitmap->image.isNull()) return;
  const QImage image = bitmap->image;  // the canvas may be the bitmap's own
  const QPoint at(IntOf(c, 1), IntOf(c, 2));
  Canvas(c).Draw([&](QPainter& p) { p.drawImage(at, image); }, false, false);
}
void FloodFill(NativeCall& c) { Canvas(c).FloodFill(IntOf(c, 1), IntOf(c, 2), c.arg(3).toInt(), c.arg(4).toInt()); }
void TextOut(NativeCall& c) { Canvas(c).TextOut(IntOf(c, 1), IntOf(c, 2), StrArg(c, 3)); }
void TextWidth(NativeCall& c) { c.result().setInt(Canvas(c).TextExtent(StrArg(c, 1)).width()); }
void TextHeight(NativeCall& c) { c.result().setInt(Canvas(c).TextExtent(StrArg(c, 1)).height()); }
void GetPixel(NativeCall& c) { c.result() = Value::integer(Canvas(c).Pixel(IntOf(c, 1), IntOf(c, 2))); }
void SetPixel(NativeCall& c) { Canvas(c).SetPixel(IntOf(c, 1), IntOf(c, 2), c.arg(3).toInt()); }

// ------------------------------------------------------------------ bitmaps, pictures

BitmapObject& Bitmap(NativeCall& c) { return Self<BitmapObject>(c); }
BitmapObject* BitmapIfAny(NativeCall& c) { return c.exec().objectAs<BitmapObject>(c.arg(0)); }
void GraphicWidth(NativeCall& c) { c.result().setInt(BitmapIfAny(c) ? BitmapIfAny(c)->Width() : 0); }
void GraphicHeight(NativeCall& c) { c.result().setInt(BitmapIfAny(c) ? BitmapIfAny(c)->Height() : 0); }
void GraphicSetWidth(NativeCall& c) { Bitmap(c).Resize(IntOf(c, 1), Bitmap(c).Height()); }
void GraphicSetHeight(NativeCall& c) { Bitmap(c).Resize(Bitmap(c).Width(), IntOf(c, 1)); }
void GraphicEmpty(NativeCall& c) { c.result() = Value::boolean(!BitmapIfAny(c) || BitmapIfAny(c)->image.isNull()); }
void BitmapCanvas(NativeCall& c) { c.result() = Bitmap(c).Canvas(); }
// The bytes go through the script's own file functions, which refuse a pipe
// instead of waiting for its other end.
void GraphicLoad(NativeCall& c) {
  QImage loaded;
  std::string bytes;
  try {
    bytes = ReadFileForStream(StrArg(c, 1));
  } catch (const std::runtime_error&) {
    throw std::runtime_error("Bitmap image is not valid");
  }
  if (!loaded.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())))
    throw std::runtime_error("Bitmap image is not valid");
  Bitmap(c).SetImage(loaded);
}
bool WroteFile(const std::string& file, std::string_view bytes) {
  try {
    WriteFileForStream(file, bytes);
    return true;
  } catch (const std::runtime_error&) {
    return false;
  }
}
// The format follows the file's extension; BMP without one.
void GraphicSave(NativeCall& c) {
  const std::string file = StrArg(c, 1);
  const QByteArray suffix = QFileInfo(ToQt(file)).suffix().toLower().toLatin1();
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  if (!Bitmap(c).image.save(&buffer, suffix.isEmpty() ? "BMP" : suffix.constData()) ||
      !WroteFile(file, std::string_view(encoded.constData(), static_cast<size_t>(encoded.size()))))
    throw std::runtime_error("Cannot create file \"" + file + "\"");
}
void PictureBitmap(NativeCall& c) { c.result() = Self<PictureObject>(c).Bitmap(); }
void AssignBitmap(BitmapObject& to, const BitmapObject* from) { to.SetImage(from ? from->image : QImage()); }
void PictureSetBitmap(NativeCall& c) {
  auto& mine = *c.exec().objectAs<BitmapObject>(Self<PictureObject>(c).Bitmap());
  AssignBitmap(mine, c.exec().objectAs<BitmapObject>(c.arg(1)));
}

// ------------------------------------------------------------------ controls that draw

void ControlCanvasOf(NativeCall& c) {
  ControlObject& control = Self<ControlObject>(c);
  ControlCanvas* own = control.OwnCanvas();
  if (!own) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  c.result() = own->Canvas(control);
}
ImageObject& Image(NativeCall& c) { return Self<ImageObject>(c); }
void ImageCanvas(NativeCall& c) { c.result() = Image(c).Canvas(); }
void ImagePicture(NativeCall& c) { c.result() = Image(c).Picture(); }
void ImageSetPicture(NativeCall& c) {
  auto* from = c.exec().objectAs<PictureObject>(c.arg(1));
  auto& mine = *c.exec().objectAs<BitmapObject>(c.exec().objectAs<PictureObject>(Image(c).Picture())->Bitmap());
  AssignBitmap(mine, from ? from->BitmapIfAny() : nullptr);
}
void ImageStore(NativeCall& c) {
  Image(c).stored[EntryOf(c).upperName] = c.arg(1);
  Image(c).PictureChanged();
}
void RepaintingStore(NativeCall& c) {
  ControlObject& control = Self<ControlObject>(c);
  control.stored[EntryOf(c).upperName] = c.arg(1);
  if (control.Widget()) control.Widget()->update();
}

ShapeObject& Shape(NativeCall& c) { return Self<ShapeObject>(c); }
void ShapePen(NativeCall& c) { c.result() = Shape(c).pen; }
void ShapeBrush(NativeCall& c) { c.result() = Shape(c).brush; }
void ShapeSetTool(NativeCall& c, const Value& mine) {
  auto* to = c.exec().objectAs<GraphicsToolObject>(mine);
  auto* from = c.exec().objectAs<GraphicsToolObject>(c.arg(1));
  if (to && from) to->TakeFrom(*from);
}
void ShapeSetPen(NativeCall& c) { ShapeSetTool(c, Shape(c).pen); }
void ShapeSetBrush(NativeCall& c) { ShapeSetTool(c, Shape(c).brush); }

// A windowed control's Color is its background; unset it is the button face.
void GetColor(NativeCall& c) {
  const Value& color = Self<ControlObject>(c).Stored("COLOR");
  c.result() = color.isEmpty() ? Value::integer(kClBtnFace) : color;
}
void SetColor(NativeCall& c) {
  ControlObject& control = Self<ControlObject>(c);
  control.stored["COLOR"] = c.arg(1);
  QWidget* widget = control.Widget();
  if (!widget || (control.Paints() && !dynamic_cast<FormObject*>(&control))) {
    if (widget) widget->update();
    return;
  }
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(c.arg(1).toInt(), palette));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

const Specific kMembers[] = {
    {"TPen", "Color", nullptr, ToolStore},
    {"TPen", "Mode", nullptr, ToolStore},
    {"TPen", "Style", nullptr, ToolStore},
    {"TPen", "Width", nullptr, ToolStore},
    {"TBrush", "Color", nullptr, BrushColorStore},
    {"TBrush", "Style", nullptr, ToolStore},
    {"TCanvas", "Pen", CanvasPen, nullptr},
    {"TCanvas", "Brush", CanvasBrush, nullptr},
    {"TCanvas", "Font", CanvasFont, nullptr},
    {"TCanvas", "MoveTo", MoveTo, nullptr},
    {"TCanvas", "LineTo", LineTo, nullptr},
    {"TCanvas", "Rectangle", Rectangle, nullptr},
    {"TCanvas", "Ellipse", Ellipse, nullptr},
    {"TCanvas", "RoundRect", RoundRect, nullptr},
    {"TCanvas", "FillRect", FillRect, nullptr},
    {"TCanvas", "Arc", Arc, nullptr},
    {"TCanvas", "Chord", Chord, nullptr},
    {"TCanvas", "Pie", Pie, nullptr},
    {"TCanvas", "Draw", DrawGraphic, nullptr},
    {"TCanvas", "FloodFill", FloodFill, nullptr},
    {"TCanvas", "TextOut", TextOut, nullptr},
    {"TCanvas", "TextWidth", TextWidth, nullptr},
    {"TCanvas", "TextHeight", TextHeight, nullptr},
    {"TCanvas", "Pixels", GetPixel, SetPixel},
    {"TGraphic", "Width", GraphicWidth, GraphicSetWidth},
    {"TGraphic", "Height", GraphicHeight, GraphicSetHeight},
    {"TGraphic", "Empty", GraphicEmpty, nullptr},
    {"TGraphic", "LoadFromFile", GraphicLoad, nullptr},
    {"TGraphic", "SaveToFile", GraphicSave, nullptr},
    {"TBitmap", "Canvas", BitmapCanvas, nullptr},
    {"TPicture", "Bitmap", PictureBitmap, PictureSetBitmap},
    {"TPaintBox", "Canvas", ControlCanvasOf, nullptr},
    {"TPaintBox", "Color", GetColor, SetColor},
    {"TForm", "Canvas", ControlCanvasOf, nullptr},
    {"TForm", "Color", GetColor, SetColor},
    {"TPanel", "Color", GetColor, SetColor},
    {"TImage", "Canvas", ImageCanvas, nullptr},
    {"TImage", "Picture", ImagePicture, ImageSetPicture},
    {"TImage", "AutoSize", nullptr, ImageStore},
    {"TImage", "Center", nullptr, ImageStore},
    {"TImage", "Stretch", nullptr, ImageStore},
    {"TShape", "Pen", ShapePen, ShapeSetPen},
    {"TShape", "Brush", ShapeBrush, ShapeSetBrush},
    {"TShape", "Shape", nullptr, RepaintingStore},
    {"TBevel", "Shape", nullptr, RepaintingStore},
    {"TBevel", "Style", nullptr, RepaintingStore},
};

}  // namespace

std::span<const Specific> GraphicsMembers() { return kMembers; }

}  // namespace tarno::ui
