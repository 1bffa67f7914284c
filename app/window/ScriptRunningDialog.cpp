#include "ScriptRunningDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarno::window {

namespace {

constexpr int kMinimumWidth = 280;

}  // namespace

ScriptRunningDialog::ScriptRunningDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ScriptRunningDialog"));
  setWindowTitle(tr("Script running"));
  setWindowModality(Qt::ApplicationModal);
  setMinimumWidth(kMinimumWidth);
  auto* layout = new QVBoxLayout(this);
  text_ = new QLabel(this);
  text_->setAlignment(Qt::AlignCenter);
  layout->addWidget(text_);
  auto* stop = new QPushButton(tr("Stop script"), this);
  stop->setObjectName(QStringLiteral("btnStopScript"));
  stop->setDefault(true);
  layout->addWidget(stop, 0, Qt::AlignHCenter);
  connect(stop, &QPushButton::clicked, this, [this] { stopRequested_ = true; });
  // Escape and the close box reject the dialog.
  connect(this, &QDialog::rejected, this, [this] { stopRequested_ = true; });
}

void ScriptRunningDialog::ShowRunningTime(std::chrono::milliseconds running) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(running).count();
  text_->setText(tr("The script has been running for %1 s.").arg(seconds));
}

ScriptRunningWatcher::~ScriptRunningWatcher() { Close(); }

std::optional<std::string> ScriptRunningWatcher::Watch(std::chrono::milliseconds running) {
  if (!dialog_) {
    if (running < kScriptRunningWindowDelay) return std::nullopt;
    Show();
  }
  dialog_->ShowRunningTime(running);
  QCoreApplication::processEvents();
  if (!dialog_ || !dialog_->StopRequested()) return std::nullopt;
  standingStop_ = kScriptStoppedByUser;
  return standingStop_;
}

void ScriptRunningWatcher::CallEnded() { Close(); }

void ScriptRunningWatcher::WaitingForUser() { Close(); }

void ScriptRunningWatcher::Show() {
  dialog_ = new ScriptRunningDialog(parent_);
  // Under a command's hour-glass the button still gets the normal cursor.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  dialog_->show();
}

void ScriptRunningWatcher::Close() {
  if (!dialog_) return;
  QApplication::restoreOverrideCursor();
  delete dialog_.data();
}

}  // namespace tarno::window
