#include "SearchDialog.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace tarno::window {

SearchDialog::SearchDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint), edtSearch_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Search"));
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
