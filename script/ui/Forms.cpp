// TForm: Show, ShowModal's nested loop, Close with OnCloseQuery and OnClose.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <functional>

#include "ControlClasses.h"
#include "UserWait.h"

namespace tarno::ui {

using pscript::ProcArg;
using pscript::Value;

namespace {

constexpr const char* kFormHandle = "tarnoScriptForm";
constexpr int64_t kModalCancel = 2;  // mrCancel
enum CloseAction : int64_t { caNone, caHide, caFree, caMinimize };
enum Position : int64_t { poScreenCenter = 4, poDesktopCenter = 5, poMainFormCenter = 6, poOwnerFormCenter = 7 };

// The window: its close box asks the form, its showing and hiding are events.
// Its client area is a child below the menu bar (when there is one): the
// controls on the form sit there, as their coordinates expect.
class FormWidget : public QWidget {
 public:
  std::function<void()> closeRequested, shown, hidden;
  bool closingForReal = false;
  QWidget* client = new QWidget(this);
  QPointer<QMenuBar> bar;

  FormWidget() { client->lower(); }
  void Arrange() {
    const int top = bar ? bar->sizeHint().height() : 0;
    if (bar) bar->setGeometry(0, 0, width(), top);
    client->setGeometry(0, top, width(), std::max(0, height() - top));
  }

 protected:
  // The callbacks run from copies: a handler may free the form, which clears them.
  void closeEvent(QCloseEvent* event) override {
    if (closingForReal || !closeRequested) return QWidget::closeEvent(event);
    event->ignore();
    Run(closeRequested);
  }
  void showEvent(QShowEvent* event) override {
    QWidget::showEvent(event);
    Run(shown);
  }
  void hideEvent(QHideEvent* event) override {
    QWidget::hideEvent(event);
    Run(hidden);
  }
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    Arrange();
  }
  // As in a dialog: Enter clicks the focused button, else the default one;
  // Escape clicks the cancel button. Keys a control took never get here.
  void keyPressEvent(QKeyEvent* event) override {
    if (QPushButton* button = DialogButton(event->key())) {
      button->click();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  QPushButton* DialogButton(int key) const {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape) return nullptr;
    auto usable = [this](const QPushButton* b) { return b && b->isVisibleTo(this) && b->isEnabled(); };
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (enter && usable(focused)) return focused;
    for (QPushButton* b : findChildren<QPushButton*>())
      if (usable(b) && (enter ? b->isDefault() : b->property(kCancelButtonProperty).toBool())) return b;
    return nullptr;
  }
  static void Run(const std::function<void()>& callback) {
    if (!callback) return;
    const std::function<void()> copy = callback;
    copy();
  }
};

void Center(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

// While the form waits for the user, the script is still asked now and then
// whether it is to stop (a signal, the host's watch): a stop ends the loop
// with an error, and the abort behind it then ends the script.
class StopPoll {
 public:
  StopPoll(pscript::Exec& exec, QEventLoop& loop) {
    QObject::connect(&timer_, &QTimer::timeout, [&exec, &loop] {
      if (!exec.attend()) return;
      if (PendingError().kind == pscript::ErrorKind::NoError)
        PendingError() = {pscript::ErrorKind::CustomError, "Modal form stopped"};
      loop.quit();
    });
    timer_.start(kUserWaitStopPollInterval);
  }

 private:
  QTimer timer_;
};

}  // namespace

FormObject* ParentForm(pscript::Exec& exec, const QWidget* widget) {
  const QWidget* window = widget ? widget->window() : nullptr;
  if (!window) return nullptr;
  const QVariant handle = window->property(kFormHandle);
  if (!handle.isValid()) return nullptr;
  Value v;
  v.setRaw(handle.toLongLong(), pscript::vtObject);
  return exec.objectAs<FormObject>(v);
}

QWidget* FormObject::MakeWidget() {
  auto* window = new FormWidget;
  window->setProperty(kFormHandle, QVariant::fromValue<qlonglong>(self.rawInt()));
  window->resize(320, 240);
  window->closeRequested = [this] { Close(); };
  window->shown = [this] { Fire("ONSHOW"); };
  window->hidden = [this] { Fire("ONHIDE"); };
  return window;
}

// OnShow may free the form: the window is kept by a guard of its own.
void FormObject::Show() {
  const QPointer<QWidget> window = widget_;
  if (!window) return;
  if (Stored("POSITION").rawInt() >= poScreenCenter) Center(window);
  window->show();
  if (!window || window->isHidden()) return;
  window->raise();
  window->activateWindow();
}

void FormObject::SetModalResult(int64_t value) {
  modalResult = value;
  if (value != 0 && modalLoop) modalLoop->quit();  // the loop asks OnCloseQuery and OnClose
}

// Handlers may free the form: after each one it is looked up again.
int64_t FormObject::ShowModal() {
  if (modalLoop) throw pscript::ScriptError(pscript::ErrorKind::Exception, "Cannot make a visible window modal");
  pscript::Exec& e = *exec;
  const Value me = self;
  QEventLoop loop;
  modalResult = 0;
  modalLoop = &loop;
  widget_->setWindowModality(Qt::ApplicationModal);
  ModalLoops().push_back(&loop);
  Show();
  int64_t result = kModalCancel;
  for (;;) {
    FormObject* form = e.objectAs<FormObject>(me);
    if (!form || !form->widget_ || PendingError().kind != pscript::ErrorKind::NoError) break;
    if (form->modalResult != 0) {
      bool canClose = true;
      Value answer = Value::boolean(true);
      form->Fire("ONCLOSEQUERY", {ProcArg::byRef(answer)});
      form = e.objectAs<FormObject>(me);
      canClose = answer.toBool();
      if (form && canClose) {
        Value action = Value::integer(caHide);
        form->Fire("ONCLOSE", {ProcArg::byRef(action)});
        form = e.objectAs<FormObject>(me);
        if (form && action.toInt() != caNone) {
          result = form->modalResult;
          break;
        }
      }
      if (!form) break;
      form->modalResult = 0;
    }
    form->modalLoop = &loop;
    const ScopedUserWait answering;
    const StopPoll poll(e, loop);
    loop.exec();
  }
  ModalLoops().pop_back();
  if (FormObject* form = e.objectAs<FormObject>(me)) {
    form->modalLoop = nullptr;
    if (form->widget_) {
      form->widget_->hide();
      form->widget_->setWindowModality(Qt::NonModal);
    }
    form->modalResult = result;
  }
  return result;
}

void FormObject::Close() {
  if (modalLoop) {
    SetModalResult(kModalCancel);
    return;
  }
  if (closing) return;
  pscript::Exec& e = *exec;
  const Value me = self;
  closing = true;
  Value answer = Value::boolean(true);
  Fire("ONCLOSEQUERY", {ProcArg::byRef(answer)});
  FormObject* form = e.objectAs<FormObject>(me);
  if (!form) return;
  Value action = Value::integer(caHide);
  if (answer.toBool()) {
    form->Fire("ONCLOSE", {ProcArg::byRef(action)});
    form = e.objectAs<FormObject>(me);
    if (!form) return;
  } else {
    action = Value::integer(caNone);
  }
  form->closing = false;
  switch (action.toInt()) {
    case caHide: if (form->widget_) form->widget_->hide(); break;
    case caFree: e.freeObject(me); break;
    case caMinimize: if (form->widget_) form->widget_->showMinimized(); break;
    default: break;
  }
}

// As a posted message does it: the form goes when the events that run now
// are done, so that a handler of its own may release it and go on using it.
void FormObject::Release() {
  pscript::Exec* e = exec;
  const Value me = self;
  QMetaObject::invokeMethod(context(), [e, me] { e->freeObject(me); }, Qt::QueuedConnection);
}

void FormObject::Detach() {
  if (modalLoop) modalLoop->quit();
  if (auto* window = static_cast<FormWidget*>(widget_.data())) {
    window->closeRequested = nullptr;
    window->shown = nullptr;
    window->hidden = nullptr;
    window->closingForReal = true;
  }
}

FormObject::~FormObject() { Detach(); }

void FormObject::Paint(QPainter& painter) { ControlCanvas::Paint({exec, self}, painter); }

QWidget* FormObject::ChildHost() const {
  auto* window = static_cast<FormWidget*>(widget_.data());
  return window ? window->client : nullptr;
}

QMenuBar* FormObject::MenuBar() {
  auto* window = static_cast<FormWidget*>(widget_.data());
  if (!window) return nullptr;
  if (!window->bar) {
    window->bar = new QMenuBar(window);
    window->bar->show();
    window->Arrange();  // the window keeps its size, the client area gives the bar room
  }
  return window->bar;
}

void FormObject::ArrangeClient() {
  if (auto* window = static_cast<FormWidget*>(widget_.data())) window->Arrange();
}

void FormObject::DropMenuBar() {
  mainMenu.clear();
  auto* window = static_cast<FormWidget*>(widget_.data());
  if (!window || !window->bar) return;
  window->bar->hide();
  window->bar->deleteLater();
  window->bar = nullptr;
  window->Arrange();
}

// The form's PopupMenu shows where the user asked for it.
bool FormObject::ContextMenu(QPoint at) {
  auto* menu = exec->objectAs<MenuObject>(Stored("POPUPMENU"));
  if (!menu) return false;
  menu->Popup(at);
  return true;
}

void FormObject::freeing(pscript::Exec& e) {
  Detach();
  canvas.Free(e);
  ControlObject::freeing(e);
}

}  // namespace tarno::ui
