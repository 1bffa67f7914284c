// Pens, brushes, canvases, bitmaps and pictures on Qt images. The canvas
// keeps the rules of the Windows drawing calls the classes stand for: a
// rectangle or ellipse covers X1..X2-1 and Y1..Y2-1, a line leaves out its
// last point, TextOut moves the pen position behind the text.
#include "Graphics.h"

#include <QFontMetrics>

#include <cmath>
#include <deque>

namespace tarno::ui {

using pscript::Value;

namespace {

constexpr int64_t kSystemColorBit = 0x80000000LL;
constexpr int64_t kSystemColorIndexMask = 0xFF;
constexpr int64_t kClNone = 0x1FFFFFFF;
constexpr int64_t kClDefault = 0x20000000;
constexpr int64_t kInvalidColor = -1;  // what reading a pixel outside gives

// TPenStyle, TPenMode, TBrushStyle as declared.
enum PenStyle : int64_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum PenMode : int64_t { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                         pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
enum BrushStyle : int64_t { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                            bsDiagCross };
enum FillStyle : int64_t { fsBorder, fsSurface };

// The system colours by their index (COLOR_SCROLLBAR = 0 ... COLOR_INFOBK = 24).
QPalette::ColorRole SystemRole(int64_t index) {
  switch (index) {
    case 1: case 12: return QPalette::Dark;                 // background, application work space
    case 2: case 13: return QPalette::Highlight;            // active caption, highlight
    case 5: return QPalette::Base;                          // window
    case 6: case 21: return QPalette::Shadow;               // window frame, 3D dark shadow
    case 7: case 8: return QPalette::Text;                  // menu text, window text
    case 9: case 14: return QPalette::HighlightedText;      // caption text, highlight text
    case 16: return QPalette::Mid;                          // button shadow
    case 17: return QPalette::PlaceholderText;              // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;                        // button highlight
    case 22: return QPalette::Midlight;                     // 3D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Button;                       // button face, menu, borders
  }
}

}  // namespace

QColor ToQColor(int64_t color, const QPalette& palette) {
  if (color == kClNone) return Qt::transparent;
  if (color == kClDefault) return palette.color(QPalette::Window);
  if (color < 0 || (color & kSystemColorBit)) return palette.color(SystemRole(color & kSystemColorIndexMask));
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

int64_t ToTColor(QColor color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

// ------------------------------------------------------------------ pens, brushes

void GraphicsToolObject::Init(pscript::NativeCall& c) {
  exec = &c.exec();
  self = c.arg(0);
  SetDefaults();
}

void GraphicsToolObject::Store(const std::string& upperName, const Value& value) {
  stored[upperName] = value;
  if (changed) changed();
  Fire(kOnChange);
}

void GraphicsToolObject::TakeFrom(const GraphicsToolObject& other) {
  for (const auto& [key, value] : other.stored)
    if (key.rfind("ON", 0) != 0) stored[key] = value;
  if (changed) changed();
  Fire(kOnChange);
}

int64_t GraphicsToolObject::IntOf(const char* upperName) const { return StoredInt(upperName); }

void PenObject::SetDefaults() {
  stored["COLOR"] = Value::integer(kClBlack);
  stored["WIDTH"] = Value::integer(1);
  stored["STYLE"] = Value::integer(psSolid);
  stored["MODE"] = Value::integer(pmCopy);
}

QPen PenObject::Pen(const QPalette& palette) const {
  static const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                         Qt::DashDotDotLine, Qt::NoPen, Qt::SolidLine};
  const int64_t style = IntOf("STYLE");
  QPen pen(ToQColor(IntOf("COLOR"), palette));
  pen.setWidth(std::max<int>(1, static_cast<int>(IntOf("WIDTH"))));
  pen.setStyle(style >= psSolid && style <= psInsideFrame ? kStyles[style] : Qt::SolidLine);
  if (IntOf("MODE") == pmBlack) pen.setColor(Qt::black);
  if (IntOf("MODE") == pmWhite) pen.setColor(Qt::white);
  if (IntOf("MODE") == pmNop) pen.setStyle(Qt::NoPen);
  return pen;
}

QPainter::CompositionMode PenObject::Composition() const {
  switch (IntOf("MODE")) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceAndNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

void BrushObject::SetDefaults() {
  stored["COLOR"] = Value::integer(kClWhite);
  stored["STYLE"] = Value::integer(bsSolid);
}

bool BrushObject::Clear() const { return IntOf("STYLE") == bsClear; }

QBrush BrushObject::Brush(const QPalette& palette) const {
  static const Qt::BrushStyle kStyles[] = {Qt::SolidPattern, Qt::NoBrush,     Qt::HorPattern,   Qt::VerPattern,
                                           Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
  const int64_t style = IntOf("STYLE");
  return QBrush(ToQColor(IntOf("COLOR"), palette), style >= bsSolid && style <= bsDiagCross ? kStyles[style] : Qt::SolidPattern);
}

// TFontStyles: fsBold, fsItalic, fsUnderline, fsStrikeOut as bits 0..3.
QFont ScriptFont(const UiObject& font, QFont base) {
  if (const Value& v = font.Stored("NAME"); v.isString() && !v.rawString().empty())
    base.setFamily(ToQt(std::string(v.rawString())));
  if (const Value& v = font.Stored("SIZE"); !v.isEmpty() && v.toInt() > 0) base.setPointSize(static_cast<int>(v.toInt()));
  if (const Value& v = font.Stored("STYLE"); !v.isEmpty()) {
    const uint64_t bits = v.setElements();
    base.setBold(bits & 1u);
    base.setItalic(bits & 2u);
    base.setUnderline(bits & 4u);
    base.setStrikeOut(bits & 8u);
  }
  return base;
}

// ------------------------------------------------------------------ shapes

namespace {
// The box the pixels X1..X2-1, Y1..Y2-1 give an outline drawn through Qt.
QRect OutlineBox(int x1, int y1, int x2, int y2) {
  const QRect box = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
  return box.adjusted(0, 0, -1, -1);
}
}  // namespace

void DrawRectangle(QPainter& painter, int x1, int y1, int x2, int y2) {
  painter.drawRect(OutlineBox(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
}

void DrawEllipse(QPainter& painter, int x1, int y1, int x2, int y2) {
  painter.drawEllipse(OutlineBox(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
}

void DrawRoundRect(QPainter& painter, int x1, int y1, int x2, int y2, int width, int height) {
  painter.drawRoundedRect(OutlineBox(x1, y1, x2, y2).adjusted(0, 0, -1, -1), width / 2.0, height / 2.0);
}

// The last point is left out: one step back along the longer axis.
void DrawLine(QPainter& painter, QPoint from, QPoint to) {
  const QPoint delta = to - from;
  const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
  if (steps == 0) return;
  const QPoint last(to.x() - static_cast<int>(std::lround(double(delta.x()) / steps)),
                    to.y() - static_cast<int>(std::lround(double(delta.y()) / steps)));
  if (last == from) painter.drawPoint(from);
  else painter.drawLine(from, last);
}

void DrawArc(QPainter& painter, ArcKind kind, QRect box, QPoint start, QPoint end) {
  constexpr double kSixteenthsPerDegree = 16.0;
  const QPointF center = QRectF(box).center();
  auto angle = [&](QPoint p) { return std::atan2(center.y() - p.y(), p.x() - center.x()) * 180.0 / M_PI; };
  const double from = angle(start);
  double span = angle(end) - from;
  if (span <= 0) span += 360.0;
  const int a = static_cast<int>(std::lround(from * kSixteenthsPerDegree));
  const int b = static_cast<int>(std::lround(span * kSixteenthsPerDegree));
  const QRect outline = box.normalized().adjusted(0, 0, -2, -2);
  switch (kind) {
    case ArcKind::Arc: painter.drawArc(outline, a, b); break;
    case ArcKind::Chord: painter.drawChord(outline, a, b); break;
    case ArcKind::Pie: painter.drawPie(outline, a, b); break;
  }
}

// ------------------------------------------------------------------ canvas

void CanvasObject::freeing(pscript::Exec& e) {
  for (Value* tool : {&pen_, &brush_, &font_}) FreeOwned(e, *tool);
  UiObject::freeing(e);
}

Value CanvasObject::Tool(const char* cls) {
  const std::string kind = cls;
  Value& handle = kind == "TPen" ? pen_ : kind == "TBrush" ? brush_ : font_;
  if (exec->object(handle)) return handle;
  if (kind == "TPen") handle = MakeOwned<PenObject>(*exec, cls);
  else if (kind == "TBrush") handle = MakeOwned<BrushObject>(*exec, cls);
  else handle = MakeOwned<FontObject>(*exec, cls);
  if (auto* tool = exec->objectAs<GraphicsToolObject>(handle)) tool->SetDefaults();
  return handle;
}

PenObject* CanvasObject::Pen() { return exec->objectAs<PenObject>(Tool("TPen")); }
BrushObject* CanvasObject::Brush() { return exec->objectAs<BrushObject>(Tool("TBrush")); }
UiObject* CanvasObject::Font() { return exec->objectAs<UiObject>(Tool("TFont")); }

void CanvasObject::Draw(const std::function<void(QPainter&)>& operation, bool withPen, bool withBrush) {
  QImage* image = surface ? surface() : nullptr;
  if (!image || image->isNull()) return;
  const QPalette colors = palette();
  {
    QPainter painter(image);
    PenObject* pen = Pen();
    BrushObject* brush = Brush();
    painter.setCompositionMode(pen->Composition());
    painter.setPen(withPen ? pen->Pen(colors) : QPen(Qt::NoPen));
    painter.setBrush(withBrush ? brush->Brush(colors) : QBrush(Qt::NoBrush));
    painter.setFont(ScriptFont(*Font(), painter.font()));
    operation(painter);
  }
  if (drawn) drawn();
}

QSize CanvasObject::TextExtent(const std::string& text) {
  const QFontMetrics metrics(ScriptFont(*Font(), QFont()));
  return {metrics.horizontalAdvance(ToQt(text)), metrics.height()};
}

void CanvasObject::TextOut(int x, int y, const std::string& text) {
  const QSize extent = TextExtent(text);
  BrushObject* brush = Brush();
  const bool opaque = !brush->Clear();
  const QColor background = ToQColor(brush->IntOf("COLOR"), palette());
  const Value& colorValue = Font()->Stored("COLOR");
  const QColor ink = ToQColor(colorValue.isEmpty() ? kClWindowText : colorValue.toInt(), palette());
  Draw([&](QPainter& p) {
    const QRect box(QPoint(x, y), extent);
    if (opaque) p.fillRect(box, background);
    p.setPen(ink);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, ToQt(text));
  });
  penPos = {x + extent.width(), y};
}

int64_t CanvasObject::Pixel(int x, int y) {
  QImage* image = surface ? surface() : nullptr;
  if (!image || !image->valid(x, y)) return kInvalidColor;
  const QColor color = image->pixelColor(x, y);
  if (color.alpha() == 0) return ToTColor(palette().color(QPalette::Window));  // what shows through
  return ToTColor(color);
}

void CanvasObject::SetPixel(int x, int y, int64_t color) {
  QImage* image = surface ? surface() : nullptr;
  if (!image || !image->valid(x, y)) return;
  image->setPixelColor(x, y, ToQColor(color, palette()));
  if (drawn) drawn();
}

// fsSurface fills the area of Color around (X, Y); fsBorder the area up to a border of Color.
void CanvasObject::FloodFill(int x, int y, int64_t color, int64_t fillStyle) {
  QImage* image = surface ? surface() : nullptr;
  if (!image || !image->valid(x, y)) return;
  const QRgb target = ToQColor(color, palette()).rgb();
  const QRgb paint = ToQColor(Brush()->IntOf("COLOR"), palette()).rgb();
  auto fillable = [&](int px, int py) {
    const QRgb here = image->pixel(px, py) | 0xFF000000u;
    return fillStyle == fsSurface ? here == (target | 0xFF000000u) : here != (target | 0xFF000000u);
  };
  if (!fillable(x, y) || (image->pixel(x, y) | 0xFF000000u) == (paint | 0xFF000000u)) return;
  std::deque<QPoint> todo{{x, y}};
  while (!todo.empty()) {
    const QPoint at = todo.front();
    todo.pop_front();
    if (!image->valid(at) || !fillable(at.x(), at.y()) || image->pixel(at) == paint) continue;
    image->setPixel(at, paint);
    todo.insert(todo.end(), {{at.x() + 1, at.y()}, {at.x() - 1, at.y()}, {at.x(), at.y() + 1}, {at.x(), at.y() - 1}});
  }
  if (drawn) drawn();
}

// ------------------------------------------------------------------ bitmaps, pictures

void BitmapObject::Init(pscript::NativeCall& c) {
  exec = &c.exec();
  self = c.arg(0);
}

void BitmapObject::freeing(pscript::Exec& e) {
  FreeOwned(e, canvas_);
  UiObject::freeing(e);
}

Value BitmapObject::Canvas() {
  if (exec->object(canvas_)) return canvas_;
  canvas_ = MakeOwned<CanvasObject>(*exec, "TCanvas");
  auto* canvas = exec->objectAs<CanvasObject>(canvas_);
  canvas->surface = [this] { return &image; };
  canvas->drawn = [this] { Changed(); };
  return canvas_;
}

// New area is white, what was drawn stays.
void BitmapObject::Resize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter(&resized).drawImage(0, 0, image);
  }
  image = resized;
  Changed();
}

void BitmapObject::SetImage(const QImage& other) {
  image = other.isNull() ? QImage() : other.convertToFormat(QImage::Format_RGB32);
  width_ = image.width();
  height_ = image.height();
  Changed();
}

void BitmapObject::Changed() {
  if (changed) changed();
  Fire(kOnChange);
}

void PictureObject::freeing(pscript::Exec& e) {
  FreeOwned(e, bitmap_);
  UiObject::freeing(e);
}

Value PictureObject::Bitmap() {
  if (exec->object(bitmap_)) return bitmap_;
  bitmap_ = MakeOwned<BitmapObject>(*exec, "TBitmap");
  exec->objectAs<BitmapObject>(bitmap_)->changed = [this] {
    if (changed) changed();
  };
  return bitmap_;
}

BitmapObject* PictureObject::BitmapIfAny() { return exec->objectAs<BitmapObject>(bitmap_); }

}  // namespace tarno::ui
