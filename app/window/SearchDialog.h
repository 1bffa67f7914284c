// The search dialog of Ctrl+F: one edit box in a small stay-on-top window whose
// top-left corner sits at the centre of the screen. It only shows the headless
// search (TTarnoChannelSearch), which says what Enter and Escape do. A new
// dialog serves every search.
#pragma once

#include <QDialog>

#include "TarnoChannelSearch.h"

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
  editing::TTarnoChannelSearch search_;
};

}  // namespace tarno::window
