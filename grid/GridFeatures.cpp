#include "GridFeatures.h"

#include <QLineEdit>
#include <QMessageBox>

#include "TzebGrid.h"
#include "TzebGridCellNamesF.h"
#include "TzebGridPreviewF.h"
#include "TitledMessageBox.h"
#include "TzebGridQueryF.h"
#include "Utf8Text.h"

namespace tarno::grid {

GridFeatures::GridFeatures(TzebGrid& grid)
    : QObject(&grid), grid_(grid), printOptions_(DefaultPrintOptions(grid.font().pointSize())) {
  ShowMessage = [this](const QString& text) {
    ShowTitledMessage(&grid_, QMessageBox::Information, tr("Formula error"), text);
  };
}

void GridFeatures::EvaluateFormulas() {
  const auto failure = formulas_.EvaluateAll(grid_.Cells());
  if (!failure) return;
  if (ShowMessage) ShowMessage(tr("Error in: %1").arg(QString::fromStdString(failure->formula)));
  grid_.SetCol(failure->col);
  grid_.SetRow(failure->row);
}

QString GridFeatures::CellHint(int col, int row) const {
  QString hint;
  if (const auto name = names_.NameOfCell(col, row)) hint = QString::fromStdString(*name);
  const std::string_view text = grid_.Cells().Text(col, row);
  if (IsFormula(text)) {
    if (!hint.isEmpty()) hint += QLatin1Char('\n');
    hint += ToQString(text);
  }
  return hint;
}

void GridFeatures::OpenQueryDialog() {
  if (!queryDialog_) queryDialog_ = new TzebGridQueryF(grid_.Cells(), &grid_);
  queryDialog_->LoadFields();
  queryDialog_->exec();
}

void GridFeatures::OpenCellNamesDialog() {
  const CellStore& cells = grid_.Cells();
  const auto name = names_.NameOfCell(cells.Col(), cells.Row());
  TzebGridCellNamesF dialog(names_, name ? QString::fromStdString(*name) : QString(),
                            QString::fromStdString(A1Name(cells.Col(), cells.Row())), &grid_);
  if (dialog.exec() != QDialog::Accepted) return;
  names_ = dialog.Names();
  TakeNamesDialogResult(dialog.edValue->text());
}

// A reference outside the data area is ignored: the current cell never leaves it.
void GridFeatures::TakeNamesDialogResult(const QString& reference) {
  const auto cell = ReadA1(reference.toStdString());
  if (!cell) return;
  const CellStore& cells = grid_.Cells();
  if (cell->col < 1 || cell->col >= cells.ColCount() || cell->row < 1 || cell->row >= cells.RowCount()) return;
  grid_.SetCol(cell->col);
  grid_.SetRow(cell->row);
}

void GridFeatures::OpenPrintPreview() {
  TzebGridPreviewF dialog(grid_.Cells(), printOptions_, grid_.font(), &grid_);
  dialog.exec();
}

GridFeatures* InstallGridFeatures(TzebGrid& grid) {
  auto* features = new GridFeatures(grid);
  grid.SetCommandHandler(GridCommand::QueryDialog, [features] { features->OpenQueryDialog(); });
  grid.SetCommandHandler(GridCommand::CellNamesDialog, [features] { features->OpenCellNamesDialog(); });
  grid.SetCommandHandler(GridCommand::PrintPreview, [features] { features->OpenPrintPreview(); });
  grid.SetFormulaEvaluator([features] { features->EvaluateFormulas(); });
  grid.SetCellHintProvider([features](int col, int row) { return features->CellHint(col, row); });
  return features;
}

}  // namespace tarno::grid
