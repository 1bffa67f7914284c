#include "SearchDialog.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>

namespace tarno::window {
namespace {

// A title bar without border icons: no close, minimise or maximise buttons
// (Escape closes it); without the customise hint a window manager adds its own.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;

}  // namespace

SearchDialog::SearchDialog(QWidget* owner)
    : QDialog(owner, kWindowFlags), edtSearch_(new QLineEdit(this)) {
  setWindowTitle(tr("Search"));
  setFixedSize(217, 21);
  edtSearch_->setObjectName(QStringLiteral("edtSearch"));
  edtSearch_->setGeometry(0, 0, 217, 21);
  connect(edtSearch_, &QLineEdit::textChanged, this,
          [this](const QString& text) { search_.SetEditText(text.toStdString()); });
  connect(edtSearch_, &QLineEdit::returnPressed, this, [this] {
    if (search_.FormKeyPress(editing::TTarnoChannelSearch::kEnter)) accept();
  });
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().width() / 2, screen->geometry().height() / 2);
}

QString SearchDialog::GetSearchText() const { return QString::fromStdString(search_.GetSearchText()); }

// Escape: what the search does with it is the headless search's rule.
void SearchDialog::reject() {
  if (!search_.FormKeyPress(editing::TTarnoChannelSearch::kEscape)) return;
  const QSignalBlocker quiet(edtSearch_);
  edtSearch_->setText(QString::fromStdString(search_.GetSearchText()));
  QDialog::reject();
}

QString SearchDialog::Ask(QWidget* owner) {
  SearchDialog dialog(owner);
  dialog.exec();
  return dialog.GetSearchText();
}

}  // namespace tarno::window
