// The controls that draw themselves: paint box, image, shape and bevel, and
// the canvas a paint box or a form draws on.
#include "ControlClasses.h"

namespace tarno::ui {

using pscript::Value;

namespace {
// TShapeType, TBevelShape, TBevelStyle as declared.
enum ShapeType : int64_t { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum BevelShape : int64_t { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum BevelStyle : int64_t { bsLowered, bsRaised };
constexpr int kRoundCornerDivisor = 4;  // a round shape's corners: a quarter of its side

void Repaint(const QPointer<QWidget>& widget) {
  if (widget) widget->update();
}
}  // namespace

// ------------------------------------------------------------------ control canvas

Value ControlCanvas::Canvas(ControlObject& owner) {
  pscript::Exec& e = *owner.exec;
  if (e.object(canvas_)) return canvas_;
  canvas_ = MakeOwned<CanvasObject>(e, "TCanvas");
  auto* canvas = e.objectAs<CanvasObject>(canvas_);
  const QPointer<QWidget> widget = owner.ChildHost();
  canvas->surface = [this, widget] { return Surface(widget); };
  canvas->drawn = [widget] { Repaint(widget); };
  canvas->palette = [widget] { return widget ? widget->palette() : QPalette(); };
  return canvas_;
}

void ControlCanvas::Free(pscript::Exec& e) {
  FreeOwned(e, canvas_);
}

// Sized to the control; what was drawn stays where it was.
QImage* ControlCanvas::Surface(QWidget* widget) {
  if (!widget) return nullptr;
  if (surface_.size() != widget->size()) {
    QImage resized(widget->size(), QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (!surface_.isNull()) QPainter(&resized).drawImage(0, 0, surface_);
    surface_ = resized;
  }
  return &surface_;
}

bool ControlCanvas::Paint(const LiveControl& live, QPainter& painter) {
  ControlObject* control = live.get();
  ControlCanvas* own = control ? control->OwnCanvas() : nullptr;
  if (!own) return false;
  if (control->HasHandler("ONPAINT")) {
    own->Surface(control->ChildHost())->fill(Qt::transparent);
    // As the paint box does: the brush takes the control's colour, the font its font.
    if (auto* canvas = live.exec->objectAs<CanvasObject>(own->Canvas(*control))) {
      if (const Value& color = control->Stored("COLOR"); !color.isEmpty()) canvas->Brush()->stored["COLOR"] = color;
      if (auto* font = live.exec->objectAs<UiObject>(control->Stored("FONT")))
        for (const auto& [key, value] : font->stored) canvas->Font()->stored[key] = value;
    }
    control->Fire("ONPAINT");
    control = live.get();
    if (!control) return false;
    own = control->OwnCanvas();
  }
  if (QImage* surface = own->Surface(control->ChildHost())) painter.drawImage(0, 0, *surface);
  return true;
}

void PaintBoxObject::freeing(pscript::Exec& e) {
  canvas.Free(e);
  ControlObject::freeing(e);
}

void PaintBoxObject::Paint(QPainter& painter) { ControlCanvas::Paint({exec, self}, painter); }

// ------------------------------------------------------------------ image

void ImageObject::freeing(pscript::Exec& e) {
  FreeOwned(e, picture_);
  ControlObject::freeing(e);
}

Value ImageObject::Picture() {
  if (exec->object(picture_)) return picture_;
  picture_ = MakeOwned<PictureObject>(*exec, "TPicture");
  const QPointer<QWidget> widget = Widget();
  pscript::Exec* e = exec;
  const Value me = self;
  exec->objectAs<PictureObject>(picture_)->changed = [e, me] {
    if (auto* image = e->objectAs<ImageObject>(me)) image->PictureChanged();
  };
  return picture_;
}

Value ImageObject::Canvas() {
  auto* picture = exec->objectAs<PictureObject>(Picture());
  auto* bitmap = exec->objectAs<BitmapObject>(picture->Bitmap());
  if (bitmap->image.isNull() && Widget()) bitmap->Resize(Widget()->width(), Widget()->height());
  return bitmap->Canvas();
}

void ImageObject::PictureChanged() {
  auto* picture = exec->objectAs<PictureObject>(picture_);
  BitmapObject* bitmap = picture ? picture->BitmapIfAny() : nullptr;
  if (Widget() && bitmap && !bitmap->image.isNull() && StoredFlag("AUTOSIZE"))
    Widget()->resize(bitmap->image.size());
  Repaint(Widget());
}

void ImageObject::Paint(QPainter& painter) {
  auto* picture = exec->objectAs<PictureObject>(picture_);
  BitmapObject* bitmap = picture ? picture->BitmapIfAny() : nullptr;
  if (!bitmap || bitmap->image.isNull() || !Widget()) return;
  const QImage& image = bitmap->image;
  const QRect area = Widget()->rect();
  if (StoredFlag("STRETCH")) {
    painter.drawImage(area, image);
  } else if (StoredFlag("CENTER")) {
    QRect placed(QPoint(), image.size());
    placed.moveCenter(area.center());
    painter.drawImage(placed.topLeft(), image);
  } else {
    painter.drawImage(0, 0, image);
  }
}

// ------------------------------------------------------------------ shape

void ShapeObject::Init(pscript::NativeCall& c) {
  ControlObject::Init(c);
  const QPointer<QWidget> widget = Widget();
  pen = MakeOwned<PenObject>(*exec, "TPen");
  brush = MakeOwned<BrushObject>(*exec, "TBrush");
  for (const Value& tool : {pen, brush}) {
    auto* object = exec->objectAs<GraphicsToolObject>(tool);
    object->SetDefaults();
    object->changed = [widget] { Repaint(widget); };
  }
}

void ShapeObject::freeing(pscript::Exec& e) {
  for (Value* tool : {&pen, &brush}) FreeOwned(e, *tool);
  ControlObject::freeing(e);
}

// The pen's width stays inside the control; square shapes are centred.
void ShapeObject::Paint(QPainter& painter) {
  auto* p = exec->objectAs<PenObject>(pen);
  auto* b = exec->objectAs<BrushObject>(brush);
  if (!p || !b || !Widget()) return;
  const QPalette colors = Widget()->palette();
  painter.setPen(p->Pen(colors));
  painter.setBrush(b->Brush(colors));
  const int penWidth = static_cast<int>(p->IntOf("WIDTH"));
  int x = penWidth / 2, y = x;
  int w = Widget()->width() - penWidth + 1, h = Widget()->height() - penWidth + 1;
  if (penWidth == 0) {
    --w;
    --h;
  }
  const int side = std::min(w, h);
  const int64_t shape = StoredInt("SHAPE");
  if (shape == stSquare || shape == stRoundSquare || shape == stCircle) {
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (shape) {
    case stRoundRect:
    case stRoundSquare:
      DrawRoundRect(painter, x, y, x + w, y + h, side / kRoundCornerDivisor, side / kRoundCornerDivisor);
      break;
    case stEllipse:
    case stCircle: DrawEllipse(painter, x, y, x + w, y + h); break;
    default: DrawRectangle(painter, x, y, x + w, y + h); break;
  }
}

// ------------------------------------------------------------------ bevel

void BevelObject::Paint(QPainter& painter) {
  if (!Widget()) return;
  const QPalette colors = Widget()->palette();
  QColor first = colors.color(QPalette::Mid), second = colors.color(QPalette::Light);  // lowered: shadow above
  if (StoredInt("STYLE") == bsRaised) std::swap(first, second);
  const int right = Widget()->width() - 1, bottom = Widget()->height() - 1;
  auto line = [&](const QColor& color, int x1, int y1, int x2, int y2) {
    painter.setPen(color);
    painter.drawLine(x1, y1, x2, y2);
  };
  auto box = [&](const QColor& topLeft, const QColor& bottomRight, int l, int t, int r, int b) {
    line(topLeft, l, b, l, t);
    line(topLeft, l, t, r, t);
    line(bottomRight, r, t, r, b);
    line(bottomRight, r, b, l, b);
  };
  switch (StoredInt("SHAPE")) {
    case bsBox: box(first, second, 0, 0, right, bottom); break;
    case bsFrame:
      box(second, second, 1, 1, right, bottom);
      box(first, first, 0, 0, right - 1, bottom - 1);
      break;
    case bsTopLine: line(first, 0, 0, right, 0); line(second, 0, 1, right, 1); break;
    case bsBottomLine: line(first, 0, bottom - 1, right, bottom - 1); line(second, 0, bottom, right, bottom); break;
    case bsLeftLine: line(first, 0, 0, 0, bottom); line(second, 1, 0, 1, bottom); break;
    case bsRightLine: line(first, right - 1, 0, right - 1, bottom); line(second, right, 0, right, bottom); break;
    default: break;  // bsSpacer shows nothing
  }
}

}  // namespace tarno::ui
