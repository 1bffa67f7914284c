// The "Query Builder" dialog: column and operator lists that insert into the
// filter memo, and Apply / Show All / Close.
#pragma once

#include <QDialog>
#include <functional>

#include "CellStore.h"

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

class TzebGridQueryF : public QDialog {
  Q_OBJECT

 public:
  using MessageSink = std::function<void(const QString&)>;

  TzebGridQueryF(tarno::grid::CellStore& cells, QWidget* parent = nullptr);

  // Refills the column list from the present header row.
  void LoadFields();
  // Parses the memo (line breaks read as blanks) and hides the rows failing it.
  void Apply();
  void ShowAll();

  // Where "Filter too complex" goes; a message box unless replaced.
  MessageSink ShowMessage;

  QListWidget* FieldsList = nullptr;
  QListWidget* oplist = nullptr;
  QPlainTextEdit* querymemo = nullptr;
  QPushButton* btnApply = nullptr;
  QPushButton* btnShowAll = nullptr;
  QPushButton* btnClose = nullptr;

 private:
  void InsertAtCaret(const QString& text);

  tarno::grid::CellStore& cells_;
};
