#include "UiObjects.h"

#include <QApplication>
#include <QEventLoop>

#include <algorithm>
#include <iostream>

#include "ScriptUi.h"
#include "UserWait.h"

namespace tarno::ui {

using pscript::ProcArg;
using pscript::Value;

// ------------------------------------------------------------------ events

int& UiNativeDepth() {
  static int depth = 0;
  return depth;
}

PendingEventError& PendingError() {
  static PendingEventError pending;
  return pending;
}

std::vector<QEventLoop*>& ModalLoops() {
  static std::vector<QEventLoop*> loops;
  return loops;
}

namespace {
EventErrorReporter& Reporter() {
  static EventErrorReporter reporter;
  return reporter;
}
}  // namespace

void SetEventErrorReporter(EventErrorReporter reporter) { Reporter() = std::move(reporter); }

std::unordered_map<std::string, std::string>& EventNames() {
  static std::unordered_map<std::string, std::string> names;
  return names;
}

void ReportEventError(const std::string& event, const std::string& message) {
  auto spelled = EventNames().find(event);
  const std::string& name = spelled == EventNames().end() ? event : spelled->second;
  const std::string text = "Error in execution of event " + name + " -> " + message;
  if (Reporter()) Reporter()(text);
  else std::cerr << text << std::endl;
}

void UiObject::Init(pscript::NativeCall& c) {
  exec = &c.exec();
  Created(c.exec(), c.arg(0), c.count() > 1 ? c.arg(1) : Value());
}

bool UiObject::HasHandler(const char* event) const {
  auto it = stored.find(event);
  return exec && it != stored.end() && exec->isProcValue(it->second);
}

const Value& UiObject::Stored(const std::string& upperName) const {
  static const Value kEmpty;
  auto it = stored.find(upperName);
  return it == stored.end() ? kEmpty : it->second;
}

int64_t UiObject::StoredInt(const std::string& upperName) const {
  const Value& v = Stored(upperName);
  return v.isEmpty() ? 0 : v.toInt();
}

void UiObject::Fire(const char* event, std::vector<ProcArg> extra) {
  if (!HasHandler(event)) return;
  // Copies: the handler may free this object.
  pscript::Exec* e = exec;
  const Value handler = stored.at(event);
  std::vector<ProcArg> args{ProcArg::byValue(self)};
  for (ProcArg& a : extra) args.push_back(std::move(a));
  try {
    const ScopedEventHandler running;
    e->callProcValue(handler, args);
  } catch (const pscript::RuntimeError& error) {
    if (UiNativeDepth() == 0) {
      ReportEventError(event, error.what());
      return;
    }
    if (PendingError().kind == pscript::ErrorKind::NoError) PendingError() = {error.kind, error.param};
    for (QEventLoop* loop : ModalLoops()) loop->quit();
  }
}

// ------------------------------------------------------------------ controls

void ControlObject::Init(pscript::NativeCall& c) {
  UiObject::Init(c);
  EnsureWidgetApplication();
  context_ = std::make_unique<QObject>();
  widget_ = MakeWidget();
  bridge_ = new EventBridge(context_.get(), *this);
  bridge_->Watch(widget_);
  if (ChildHost() != widget_) bridge_->Watch(ChildHost());
  Connect();
}

// A control may be freed by a handler of one of its own widget's events (or
// of its form's), while Qt is still inside that event: the widget goes late.
ControlObject::~ControlObject() {
  context_.reset();  // no more events from the widget
  if (!widget_) return;
  widget_->hide();
  widget_->deleteLater();
}

void ControlObject::freeing(pscript::Exec& e) {
  const Value me = self;
  SetParent(Value());
  std::vector<Value> mine = std::move(children);
  for (const Value& child : mine)
    if (auto* control = e.objectAs<ControlObject>(child)) control->parent.clear();
  UiObject::freeing(e);
  if (auto* still = e.objectAs<ControlObject>(me); still && still->widget_) still->widget_->hide();
}

void ControlObject::SetParent(const Value& newParent) {
  if (auto* old = exec ? exec->objectAs<ControlObject>(parent) : nullptr) {
    auto& list = old->children;
    list.erase(std::remove_if(list.begin(), list.end(), [&](const Value& v) { return v.rawInt() == self.rawInt(); }),
               list.end());
  }
  parent.clear();
  auto* target = exec ? exec->objectAs<ControlObject>(newParent) : nullptr;
  if (target) {
    parent = newParent;
    target->children.push_back(self);
  }
  SetParentWidget(target ? target->ChildHost() : nullptr);
}

std::string ControlObject::Caption() const { return FromQt(widget_ ? widget_->windowTitle() : QString()); }
void ControlObject::SetCaption(const std::string& text) {
  if (widget_) widget_->setWindowTitle(ToQt(text));
}

void ControlObject::SetParentWidget(QWidget* parentWidget) {
  if (!widget_) return;
  const QRect geometry = widget_->geometry();
  const bool visible = !widget_->isHidden() || !widget_->parentWidget();
  widget_->setParent(parentWidget);
  widget_->setGeometry(geometry);
  if (parentWidget && visible) widget_->show();
}

// ------------------------------------------------------------------ Qt

void EnsureWidgetApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  if (QCoreApplication::instance())
    throw pscript::ScriptError(pscript::ErrorKind::Exception, "this program cannot show forms");
  const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarno";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at exit Qt's own statics go first, and an application
  // object destroyed after them crashes the program on its way out.
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

}  // namespace tarno::ui
