// The graphics classes: pens, brushes, canvases, bitmaps and pictures. A
// canvas draws on an image: a bitmap's own, or the surface of a control that
// shows it (paint box, image, form), which then repaints.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <functional>

#include "UiObjects.h"

namespace tarno::ui {

// TColor: $00BBGGRR, or a system colour (the high bit and a palette index).
QColor ToQColor(int64_t color, const QPalette& palette);
int64_t ToTColor(QColor color);
constexpr int64_t kClBlack = 0x000000;
constexpr int64_t kClWhite = 0xFFFFFF;
constexpr int64_t kClBtnFace = -2147483633;
constexpr int64_t kClWindowText = -2147483640;

// Pens, brushes and fonts keep their values by name; a change repaints the
// widget they belong to and runs OnChange.
class GraphicsToolObject : public UiObject {
 public:
  std::function<void()> changed;
  void Init(pscript::NativeCall& c) override;
  // Stores a value under its upper-case name and tells the owner.
  void Store(const std::string& upperName, const pscript::Value& value);
  // Takes another tool's values (Assign and the property writers).
  void TakeFrom(const GraphicsToolObject& other);
  virtual void SetDefaults() = 0;
  int64_t IntOf(const char* upperName) const;
};

class PenObject : public GraphicsToolObject {
 public:
  void SetDefaults() override;
  // The Qt pen; nullopt-like Qt::NoPen for psClear.
  QPen Pen(const QPalette& palette) const;
  // How the pen's Mode combines with what is there.
  QPainter::CompositionMode Composition() const;
};

class BrushObject : public GraphicsToolObject {
 public:
  void SetDefaults() override;
  QBrush Brush(const QPalette& palette) const;
  bool Clear() const;
};

// TFont: Name, Size, Style and Color; a control's font shows in its widget.
class FontObject : public UiObject {
 public:
  QPointer<QWidget> target;
  void Apply();
};

// The font a TFont's values make of base.
QFont ScriptFont(const UiObject& font, QFont base);

class CanvasObject : public UiObject {
 public:
  // Where the canvas draws, and what to do after it drew (repaint).
  std::function<QImage*()> surface;
  std::function<void()> drawn;
  // The palette system colours come from.
  std::function<QPalette()> palette = [] { return QPalette(); };
  QPoint penPos;

  void freeing(pscript::Exec& exec) override;
  pscript::Value Tool(const char* cls);  // "TPen", "TBrush", "TFont": made on first use
  PenObject* Pen();
  BrushObject* Brush();
  UiObject* Font();

  // One drawing operation on the surface with the canvas's pen, brush and font.
  void Draw(const std::function<void(QPainter&)>& operation, bool withPen = true, bool withBrush = true);
  void TextOut(int x, int y, const std::string& text);
  QSize TextExtent(const std::string& text);
  int64_t Pixel(int x, int y);
  void SetPixel(int x, int y, int64_t color);
  void FloodFill(int x, int y, int64_t color, int64_t fillStyle);

 private:
  pscript::Value pen_, brush_, font_;
};

// TBitmap: a 32-bit image; its canvas draws on it.
class BitmapObject : public UiObject {
 public:
  QImage image;
  std::function<void()> changed;  // the control that shows it repaints
  void Init(pscript::NativeCall& c) override;
  void freeing(pscript::Exec& exec) override;
  pscript::Value Canvas();
  // The size as set: an image exists once both sides are above 0.
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Resize(int width, int height);
  // Takes another image (Assign, LoadFromFile) with its size.
  void SetImage(const QImage& other);
  void Changed();

 private:
  pscript::Value canvas_;
  int width_ = 0, height_ = 0;
};

// TPicture: holds one bitmap, made on first use.
class PictureObject : public UiObject {
 public:
  std::function<void()> changed;
  void freeing(pscript::Exec& exec) override;
  pscript::Value Bitmap();
  BitmapObject* BitmapIfAny();

 private:
  pscript::Value bitmap_;
};

// Rectangle, ellipse, round rectangle and line as the Windows calls draw them.
void DrawRectangle(QPainter& painter, int x1, int y1, int x2, int y2);
void DrawEllipse(QPainter& painter, int x1, int y1, int x2, int y2);
void DrawRoundRect(QPainter& painter, int x1, int y1, int x2, int y2, int width, int height);
void DrawLine(QPainter& painter, QPoint from, QPoint to);
// Arc, Chord, Pie: the ellipse in the box, from the start to the end ray, counter-clockwise.
enum class ArcKind { Arc, Chord, Pie };
void DrawArc(QPainter& painter, ArcKind kind, QRect box, QPoint start, QPoint end);

// Frees an object another one owns, forgetting its handle first (its
// freeing may look back at the owner).
inline void FreeOwned(pscript::Exec& exec, pscript::Value& handle) {
  const pscript::Value owned = handle;
  handle.clear();
  exec.freeObject(owned);
}

// Makes a host object of a UI class that the script did not construct
// (the pen of a canvas, the bitmap of a picture).
template <class T>
pscript::Value MakeOwned(pscript::Exec& exec, const char* cls) {
  pscript::Value handle = exec.newObject(std::make_unique<T>(), cls);
  auto* object = exec.objectAs<T>(handle);
  object->exec = &exec;
  object->self = handle;
  return handle;
}

}  // namespace tarno::ui
