// The "CellNames Dialog": the grid's cell names with Add, Delete and Clear All,
// closed with OK (the names are taken over) or Cancel (nothing changes).
#pragma once

#include <QDialog>
#include <functional>

#include "CellNames.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class TzebGridCellNamesF : public QDialog {
  Q_OBJECT

 public:
  using MessageSink = std::function<void(const QString&)>;
  using Question = std::function<bool(const QString&)>;

  // Starts with a copy of names; the name and A1 form of the current cell preset.
  TzebGridCellNamesF(const tarno::grid::CellNames& names, const QString& cellName, const QString& cellRef,
                     QWidget* parent = nullptr);

  const tarno::grid::CellNames& Names() const { return names_; }

  void AddName();
  void DeleteName();
  void ClearAll();

  // Receivers of "Name ... allready exists" and of "Clear all names?"; message boxes unless replaced.
  MessageSink ShowMessage;
  Question Ask;

  QListWidget* NamesList = nullptr;
  QLineEdit* edName = nullptr;
  QLineEdit* edValue = nullptr;
  QPushButton* btnAdd = nullptr;
  QPushButton* btnDelete = nullptr;
  QPushButton* btnClear = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillList();
  void ShowEntry(QListWidgetItem* item);

  tarno::grid::CellNames names_;
};
