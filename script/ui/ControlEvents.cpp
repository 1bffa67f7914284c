// Mouse, key, focus, size and paint events of every control's widget, as the
// script's handlers expect them: virtual key codes and the shift state in
// OnKeyDown/OnKeyUp, the character in OnKeyPress (both var, so a handler
// may swallow or change the key), the form's handlers first when its
// KeyPreview is on.
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QAbstractScrollArea>
#include <QPainter>

#include "ControlClasses.h"

namespace tarno::ui {

using pscript::ProcArg;
using pscript::Value;

namespace {

// TEShiftState as declared: ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble.
enum ShiftBit : uint64_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
enum MouseButton : int64_t { mbLeft, mbRight, mbMiddle };

uint64_t Bit(ShiftBit bit) { return uint64_t{1} << bit; }

uint64_t ShiftBits(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton) {
  uint64_t bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= Bit(ssShift);
  if (modifiers & Qt::AltModifier) bits |= Bit(ssAlt);
  if (modifiers & Qt::ControlModifier) bits |= Bit(ssCtrl);
  if (buttons & Qt::LeftButton) bits |= Bit(ssLeft);
  if (buttons & Qt::RightButton) bits |= Bit(ssRight);
  if (buttons & Qt::MiddleButton) bits |= Bit(ssMiddle);
  return bits;
}

int64_t ButtonOf(Qt::MouseButton button) {
  return button == Qt::RightButton ? mbRight : button == Qt::MiddleButton ? mbMiddle : mbLeft;
}

// The handler sees the control's coordinates; a scroll area's viewport is mapped.
QPoint ControlPoint(QObject* watched, QWidget* control, const QPointF& position) {
  auto* from = qobject_cast<QWidget*>(watched);
  const QPoint point = position.toPoint();
  return from && from != control ? from->mapTo(control, point) : point;
}

bool FireMouse(const LiveControl& target, const char* event, std::vector<ProcArg> args) {
  if (ControlObject* control = target.get()) control->Fire(event, std::move(args));
  return target.get() != nullptr;
}

// KeyPreview: the form's handler runs first; false when the control went.
bool FireKey(const LiveControl& control, const char* event, Value& key, const Value* shift) {
  ControlObject* object = control.get();
  if (!object) return false;
  FormObject* form = ParentForm(*control.exec, object->Widget());
  auto args = [&] {
    std::vector<ProcArg> list{ProcArg::byRef(key)};
    if (shift) list.push_back(ProcArg::byValue(*shift));
    return list;
  };
  if (form && form != object && form->StoredFlag("KEYPREVIEW")) {
    form->Fire(event, args());
    object = control.get();
    if (!object) return false;
  }
  if (key.toInt() != 0) object->Fire(event, args());
  return control.get() != nullptr;
}

bool KeyGone(const Value& key) { return key.toInt() == 0; }

}  // namespace

ControlObject* LiveControl::get() const { return exec->objectAs<ControlObject>(handle); }

// Windows' virtual key codes, from Qt's keys (letters and digits are their
// upper-case characters; the punctuation keys those of a US keyboard).
int64_t VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  static const std::pair<int, int64_t> kKeys[] = {
      {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},    {Qt::Key_Return, 13},
      {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},
      {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},    {Qt::Key_Space, 32},
      {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},       {Qt::Key_Home, 36},
      {Qt::Key_Left, 37},      {Qt::Key_Up, 38},        {Qt::Key_Right, 39},     {Qt::Key_Down, 40},
      {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},    {Qt::Key_Menu, 93},
      {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},
      {Qt::Key_Equal, 187},    {Qt::Key_Plus, 187},     {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},
      {Qt::Key_Minus, 189},    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190}, {Qt::Key_Greater, 190},
      {Qt::Key_Slash, 191},    {Qt::Key_Question, 191}, {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192},
      {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
      {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
      {Qt::Key_Exclam, '1'},   {Qt::Key_At, '2'},       {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
      {Qt::Key_Percent, '5'},  {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
      {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
  };
  constexpr int64_t kVkNumpad0 = 96, kVkMultiply = 106, kVkAdd = 107, kVkSubtract = 109, kVkDecimal = 110,
                    kVkDivide = 111, kVkF1 = 112;
  if (modifiers & Qt::KeypadModifier) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kVkNumpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
      case Qt::Key_Asterisk: return kVkMultiply;
      case Qt::Key_Plus: return kVkAdd;
      case Qt::Key_Minus: return kVkSubtract;
      case Qt::Key_Period: return kVkDecimal;
      case Qt::Key_Slash: return kVkDivide;
      default: break;
    }
  }
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kVkF1 + (qtKey - Qt::Key_F1);
  for (const auto& [key, vk] : kKeys)
    if (key == qtKey) return vk;
  return 0;
}

// ------------------------------------------------------------------ the bridge

EventBridge::EventBridge(QObject* parent, ControlObject& target)
    : QObject(parent), exec_(target.exec), self_(target.self) {}

// A handler may free the control, and this bridge with it: nothing of the
// bridge is used after a handler ran, only the copies made before.
bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
  const LiveControl target{exec_, self_};
  ControlObject* control = target.get();
  if (!control || !control->Widget()) return false;
  QWidget* widget = control->Widget();
  QWidget* host = control->ChildHost();  // a form paints and takes the mouse in its client area
  switch (event->type()) {
    case QEvent::Paint:
      if (watched != host || !control->Paints()) return false;
      {
        QPainter painter(host);
        control->Paint(painter);
      }
      return true;
    case QEvent::ContextMenu:
      if (watched != host) return false;
      return control->ContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const bool takes = control->TakesMouseClicks();
      const QPoint at = ControlPoint(watched, host, mouse->position());
      uint64_t shift = ShiftBits(mouse->modifiers(), mouse->buttons());
      if (event->type() == QEvent::MouseButtonDblClick) shift |= Bit(ssDouble);
      if (!FireMouse(target, "ONMOUSEDOWN", {ProcArg::byValue(Value::integer(ButtonOf(mouse->button()))),
                                             ProcArg::byValue(Value::setOf(shift)), ProcArg::byValue(Value::integer(at.x())),
                                             ProcArg::byValue(Value::integer(at.y()))}))
        return true;
      if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton &&
          !FireMouse(target, "ONDBLCLICK", {}))
        return true;
      return takes;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const bool takes = control->TakesMouseClicks();
      const QPoint at = ControlPoint(watched, host, mouse->position());
      const bool inside = host->rect().contains(at);
      if (!FireMouse(target, "ONMOUSEUP", {ProcArg::byValue(Value::integer(ButtonOf(mouse->button()))),
                                           ProcArg::byValue(Value::setOf(ShiftBits(mouse->modifiers(), mouse->buttons()))),
                                           ProcArg::byValue(Value::integer(at.x())), ProcArg::byValue(Value::integer(at.y()))}))
        return true;
      if (takes && inside && mouse->button() == Qt::LeftButton) {
        if (ControlObject* still = target.get()) still->Click();
      }
      return takes;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const bool takes = control->TakesMouseClicks();
      const QPoint at = ControlPoint(watched, host, mouse->position());
      FireMouse(target, "ONMOUSEMOVE", {ProcArg::byValue(Value::setOf(ShiftBits(mouse->modifiers(), mouse->buttons()))),
                                        ProcArg::byValue(Value::integer(at.x())), ProcArg::byValue(Value::integer(at.y()))});
      return takes;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return Key(target, watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
      control->Fire(event->type() == QEvent::FocusIn ? "ONENTER" : "ONEXIT");
      return false;
    }
    case QEvent::Resize:
      if (watched == widget) control->Resized();
      return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      if (watched == widget && dynamic_cast<FormObject*>(control))
        control->Fire(event->type() == QEvent::WindowActivate ? "ONACTIVATE" : "ONDEACTIVATE");
      return false;
    default:
      return false;
  }
}

// A form's own handlers (not the preview) run for keys only while no control of it has the focus.
bool EventBridge::Key(const LiveControl& target, QObject* watched, QKeyEvent* event) {
  ControlObject* control = target.get();
  QWidget* widget = control->Widget();
  if (resending_) return false;
  if (dynamic_cast<FormObject*>(control)) {
    QWidget* focus = QApplication::focusWidget();
    if (watched != widget || (focus && focus != widget)) return false;
  }
  const Value shift = Value::setOf(ShiftBits(event->modifiers()));
  Value key = Value::integer(VirtualKey(event->key(), event->modifiers()), pscript::varWord);
  const bool down = event->type() == QEvent::KeyPress;
  if (key.toInt() != 0) {
    if (!FireKey(target, down ? "ONKEYDOWN" : "ONKEYUP", key, &shift)) return true;
    if (key.toInt() == 0) return true;
  }
  const std::string typed = FromQt(event->text());
  if (!down || typed.size() != 1) return false;
  Value character = CharValue(typed[0]);
  if (!FireKey(target, "ONKEYPRESS", character, nullptr)) return true;
  if (KeyGone(character)) return true;
  const char now = static_cast<char>(character.toInt());
  if (now == typed[0]) return false;
  // The handler changed the character: the widget gets the new one instead.
  QKeyEvent changed(QEvent::KeyPress, event->key(), event->modifiers(), ToQt(std::string(1, now)));
  QPointer<EventBridge> guard(this);
  resending_ = true;
  QCoreApplication::sendEvent(watched, &changed);
  if (guard) resending_ = false;
  return true;
}

// A Char is its ordinal to the engine.
Value CharValue(char ch) { return Value::integer(static_cast<unsigned char>(ch), pscript::varByte); }

void EventBridge::Watch(QWidget* widget) {
  if (!widget) return;
  widget->installEventFilter(this);
  widget->setMouseTracking(true);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
    area->viewport()->installEventFilter(this);
    area->viewport()->setMouseTracking(true);
  }
}

}  // namespace tarno::ui
