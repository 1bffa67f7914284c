// Host objects behind the user-interface classes: every one keeps the
// property values that have no widget side (and its event handlers) by name;
// controls own a Qt widget. Events run the stored handler through the Exec.
#pragma once

#include <QPointer>
#include <QWidget>

#include <pscript/pscript.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "StdClasses.h"

class QEventLoop;
class QPainter;

namespace tarno::ui {

// Event names as the stored handlers are keyed (the property names in upper case).
inline constexpr const char* kOnClick = "ONCLICK";
inline constexpr const char* kOnChange = "ONCHANGE";

class UiObject : public ComponentObject {
 public:
  pscript::Exec* exec = nullptr;  // set when the object is made
  std::unordered_map<std::string, pscript::Value> stored;

  // Constructor natives: remember the Exec, join the owner, make the widget.
  virtual void Init(pscript::NativeCall& c);
  // Runs the handler stored under event (Sender first, then extra). A
  // handler's error never crosses Qt: it waits for the UI native that is
  // running (and ends its modal loop), or goes to the error reporter.
  void Fire(const char* event, std::vector<pscript::ProcArg> extra = {});
  bool HasHandler(const char* event) const;
  const pscript::Value& Stored(const std::string& upperName) const;
  // A stored ordinal or Boolean; 0 (False) while the script stored none.
  int64_t StoredInt(const std::string& upperName) const;
  bool StoredFlag(const std::string& upperName) const { return StoredInt(upperName) != 0; }
};

class ControlObject;
class ControlCanvas;

// A control a handler may free: looked up again after each handler.
struct LiveControl {
  pscript::Exec* exec;
  pscript::Value handle;
  ControlObject* get() const;
};

// The mouse, key, focus, size and paint events of a control's widget (and of
// a scroll area's viewport), turned into the control's handlers.
class EventBridge : public QObject {
 public:
  EventBridge(QObject* parent, ControlObject& target);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Watch(QWidget* widget);

 private:
  bool Key(const LiveControl& target, QObject* watched, class QKeyEvent* event);
  pscript::Exec* exec_;
  pscript::Value self_;
  bool resending_ = false;  // a key a handler changed goes to the widget unseen
};

// Windows' virtual key code of a Qt key (0 for keys without one).
int64_t VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
// A Char as the handlers get it.
pscript::Value CharValue(char ch);

class ControlObject : public UiObject {
 public:
  ~ControlObject() override;
  void Init(pscript::NativeCall& c) override;
  void freeing(pscript::Exec& exec) override;

  QWidget* Widget() const { return widget_.data(); }
  // The TWinControl this control sits on (Parent) and the controls on this one.
  pscript::Value parent;
  std::vector<pscript::Value> children;
  void SetParent(const pscript::Value& newParent);
  // Caption and Text of the control as the dialect's 8-bit text.
  virtual std::string Caption() const;
  virtual void SetCaption(const std::string& text);
  virtual void SetParentWidget(QWidget* parentWidget);
  // Controls that draw themselves (shapes, paint boxes) paint here.
  virtual bool Paints() const { return false; }
  virtual void Paint(QPainter& painter) { (void)painter; }
  // Controls without a click of their own: the bridge's mouse clicks are theirs.
  virtual bool TakesMouseClicks() const { return false; }
  virtual void Click() { Fire(kOnClick); }
  virtual void Resized() { Fire("ONRESIZE"); }
  // The user asked for a context menu at a screen position; true when one showed.
  virtual bool ContextMenu(QPoint at) { (void)at; return false; }
  // Where the controls on this one sit (a form's client area below its menu bar).
  virtual QWidget* ChildHost() const { return widget_.data(); }
  // The canvas of a control that has one of its own (paint box, form).
  virtual ControlCanvas* OwnCanvas() { return nullptr; }

 protected:
  virtual QWidget* MakeWidget() { return new QWidget; }
  // Connects the widget's signals to events; context() ends them with the object.
  virtual void Connect() {}
  QObject* context() const { return context_.get(); }
  EventBridge* bridge() const { return bridge_; }
  QPointer<QWidget> widget_;

 private:
  std::unique_ptr<QObject> context_;
  EventBridge* bridge_ = nullptr;  // a child of context_
};

// A handler error raised while a UI native ran: the native throws it when it returns.
struct PendingEventError {
  pscript::ErrorKind kind = pscript::ErrorKind::NoError;
  std::string param;
};
// How deep in UI natives the script is (0: an event from the main loop).
int& UiNativeDepth();
PendingEventError& PendingError();
// The modal loops running, innermost last: a handler error ends them.
std::vector<QEventLoop*>& ModalLoops();
// event: the stored name (ONCLICK); the report spells it as declared.
void ReportEventError(const std::string& event, const std::string& message);
// The declared spelling of each event property, by upper-case name.
std::unordered_map<std::string, std::string>& EventNames();

// A QApplication for widgets (offscreen when there is no display).
void EnsureWidgetApplication();

// Text between the dialect's 8-bit strings (Windows-1252) and Qt; a
// character the code page lacks becomes '?'.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// The object behind a handle, or nullptr.
template <class T>
T* ObjectOf(pscript::Exec& exec, const pscript::Value& handle) {
  return exec.objectAs<T>(handle);
}

// Binds every class and member of the UI libraries (UiBindings.cpp).
void BindUiClasses(pscript::ClassImporter& importer);
void BindUiFunctions(pscript::Exec& exec);

}  // namespace tarno::ui
