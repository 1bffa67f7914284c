// The channel grid's own spreadsheet features, attached to a TzebGrid through
// its hooks: the query dialog (Ctrl+Q), cell names (Ctrl+N), print preview
// (Ctrl+P), formula evaluation on Enter and the cell hints. Lives as the grid's
// child, so it goes with the grid.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "CellNames.h"
#include "GridFormulas.h"
#include "PrintOptions.h"

class TzebGrid;
class TzebGridQueryF;

namespace tarno::grid {

class GridFeatures : public QObject {
  Q_OBJECT

 public:
  using MessageSink = std::function<void(const QString&)>;

  explicit GridFeatures(TzebGrid& grid);

  CellNames& Names() { return names_; }
  const GridFormulas& Formulas() const { return formulas_; }
  TPrintOptions& PrintOptions() { return printOptions_; }

  // Every formula, top row first; the first rejected one is reported and made current.
  void EvaluateFormulas();
  // The cell's name, its formula below it, or empty text.
  QString CellHint(int col, int row) const;

  void OpenQueryDialog();
  void OpenCellNamesDialog();
  void OpenPrintPreview();

  // Receives "Error in: ..."; a message box unless replaced.
  MessageSink ShowMessage;

 private:
  void TakeNamesDialogResult(const QString& reference);

  TzebGrid& grid_;
  CellNames names_;
  GridFormulas formulas_{names_};
  TPrintOptions printOptions_;
  TzebGridQueryF* queryDialog_ = nullptr;  // kept, so the memo remembers the last filter
};

// Attaches the features to a grid and hooks its keys, Enter and hints.
GridFeatures* InstallGridFeatures(TzebGrid& grid);

}  // namespace tarno::grid
