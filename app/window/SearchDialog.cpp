#include "SearchDialog.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

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
  connect(edtSearch_, &QLineEdit::returnPressed, this, &QDialog::accept);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().width() / 2, screen->geometry().height() / 2);
}

QString SearchDialog::GetSearchText() const { return edtSearch_->text(); }

void SearchDialog::reject() {
  edtSearch_->clear();
  QDialog::reject();
}

QString SearchDialog::Ask(QWidget* owner) {
  SearchDialog dialog(owner);
  dialog.exec();
  return dialog.GetSearchText();
}

}  // namespace tarno::window
