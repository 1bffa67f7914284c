#include "TzebGridCellNamesF.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "Utf8Text.h"

using tarno::grid::ToQString;

TzebGridCellNamesF::TzebGridCellNamesF(const tarno::grid::CellNames& names, const QString& cellName,
                                       const QString& cellRef, QWidget* parent)
    : QDialog(parent), names_(names) {
  setWindowTitle(tr("CellNames Dialog"));
  NamesList = new QListWidget(this);
  NamesList->setObjectName(QStringLiteral("NamesList"));
  edName = new QLineEdit(cellName, this);
  edName->setObjectName(QStringLiteral("edName"));
  edValue = new QLineEdit(cellRef, this);
  edValue->setObjectName(QStringLiteral("edValue"));
  btnAdd = new QPushButton(tr("&Add Name"), this);
  btnDelete = new QPushButton(tr("&Delete Name"), this);
  btnClear = new QPushButton(tr("C&lear All"), this);
  btnOK = new QPushButton(tr("OK"), this);
  btnCancel = new QPushButton(tr("Cancel"), this);
  btnOK->setDefault(true);

  auto* fields = new QFormLayout;
  auto* nameLabel = new QLabel(tr("Cell &Name"), this);
  nameLabel->setBuddy(edName);
  auto* valueLabel = new QLabel(tr("&Cell"), this);
  valueLabel->setBuddy(edValue);
  fields->addRow(nameLabel, edName);
  fields->addRow(valueLabel, edValue);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(btnAdd);
  right->addWidget(btnDelete);
  right->addWidget(btnClear);
  right->addStretch();
  right->addWidget(btnOK);
  right->addWidget(btnCancel);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(NamesList);
  layout->addLayout(right);

  connect(NamesList, &QListWidget::itemClicked, this, &TzebGridCellNamesF::ShowEntry);
  connect(btnAdd, &QPushButton::clicked, this, &TzebGridCellNamesF::AddName);
  connect(btnDelete, &QPushButton::clicked, this, &TzebGridCellNamesF::DeleteName);
  connect(btnClear, &QPushButton::clicked, this, &TzebGridCellNamesF::ClearAll);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
  Ask = [this](const QString& text) {
    return QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  FillList();
}

void TzebGridCellNamesF::FillList() {
  NamesList->clear();
  for (const std::string& entry : names_.Entries()) NamesList->addItem(ToQString(tarno::grid::EntryName(entry)));
}

void TzebGridCellNamesF::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edName->setFocus();
  const int index = edName->text().isEmpty() ? -1 : names_.IndexOfName(edName->text().toStdString());
  NamesList->setCurrentRow(index);
}

void TzebGridCellNamesF::ShowEntry(QListWidgetItem* item) {
  if (!item) return;
  const std::string& entry = names_.Entries()[static_cast<size_t>(NamesList->row(item))];
  edName->setText(ToQString(tarno::grid::EntryName(entry)));
  edValue->setText(ToQString(tarno::grid::EntryReference(entry)));
}

void TzebGridCellNamesF::AddName() {
  const std::string name = edName->text().toStdString();
  if (!names_.Add(name, edValue->text().toStdString())) {
    if (ShowMessage) ShowMessage(tr("Name %1 allready exists").arg(edName->text()));
    return;
  }
  NamesList->addItem(edName->text());
}

void TzebGridCellNamesF::DeleteName() {
  const int index = NamesList->currentRow();
  if (index < 0 || NamesList->selectedItems().isEmpty()) return;
  names_.Delete(index);
  delete NamesList->takeItem(index);
}

void TzebGridCellNamesF::ClearAll() {
  if (!Ask || !Ask(tr("Clear all names?"))) return;
  names_.Clear();
  NamesList->clear();
}
