// The search dialog of Ctrl+F: one edit box in a small stay-on-top window whose
// top-left corner sits at the centre of the screen. Enter closes it; Escape
// empties the box and closes it. A new dialog serves every search.
#pragma once

#include <QDialog>

class QLineEdit;

namespace tarno::window {

class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SearchDialog(QWidget* owner);
  QString GetSearchText() const;

  // Shows a new dialog modally and returns what its box held when it closed.
  static QString Ask(QWidget* owner);

 public slots:
  void reject() override;  // Escape

 private:
  QLineEdit* edtSearch_;
};

}  // namespace tarno::window
