// Grids and modal-dialog helpers shared by the dialog and printing tests.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

#include "CellStore.h"
#include "TzebGrid.h"

namespace tarno::test {

// A grid of cols x rows with header texts " C1", " C2" ... and cells "r<row>c<col>".
inline void FillGrid(TzebGrid& grid, int cols, int rows) {
  grid::CellStore& cells = grid.Cells();
  cells.SetColCount(cols);
  cells.SetRowCount(rows);
  for (int c = 1; c < cols; ++c) cells.SetText(c, 0, " C" + std::to_string(c));
  for (int r = 1; r < rows; ++r)
    for (int c = 1; c < cols; ++c) cells.SetText(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
}

// Runs work on the next modal dialog once it is up; work closes it.
template <typename Dialog>
void OnModal(std::function<void(Dialog&)> work) {
  QTimer::singleShot(0, [work] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      ADD_FAILURE() << "no modal dialog";
      if (auto* any = qobject_cast<QDialog*>(QApplication::activeModalWidget())) any->reject();
      return;
    }
    work(*dialog);
  });
}

}  // namespace tarno::test
