// A shown grid filled with recognisable cells, and helpers to drive it.
#pragma once

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <string>

#include "TzebGrid.h"

namespace tarno::grid::test {

// Cell (c, r) reads "r<r>c<c>" and carries the tag r * 100 + c.
inline std::string CellName(int col, int row) { return "r" + std::to_string(row) + "c" + std::to_string(col); }
inline int32_t CellTagOf(int col, int row) { return row * 100 + col; }

class ShownGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.resize(640, 400);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  }

  // cols and rows count the fixed column and the header row.
  void Fill(int cols, int rows) {
    CellStore& cells = grid.Cells();
    CellStore::Batch batch(cells);
    cells.SetColCount(cols);
    cells.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        cells.SetText(c, r, CellName(c, r));
        cells.SetTag(c, r, CellTagOf(c, r));
      }
  }

  std::string Text(int col, int row) const { return std::string(grid.Cells().Text(col, row)); }
  CellPos Current() const { return {grid.Col(), grid.Row()}; }

  // Lets queued work (layout, repaint) run.
  static void Settle() { QCoreApplication::processEvents(); }

  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&grid, static_cast<Qt::Key>(key), modifiers);
  }

  // Sends a key press to a widget and tells whether something took it.
  static bool KeyAccepted(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    return press.isAccepted();
  }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* viewport = grid.viewport();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(viewport, &event);
  }

  QPoint CenterOf(int col, int row) { return grid.CellRect(col, row).center(); }

  TzebGrid grid;
};

}  // namespace tarno::grid::test
