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
};

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

 protected:
  virtual QWidget* MakeWidget() { return new QWidget; }
  // Connects the widget's signals to events; context() ends them with the object.
  virtual void Connect() {}
  QObject* context() const { return context_.get(); }
  QPointer<QWidget> widget_;

 private:
  std::unique_ptr<QObject> context_;
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

// Text between the dialect's 8-bit strings and Qt.
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
