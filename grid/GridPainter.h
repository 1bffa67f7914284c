// Draws the visible part of the grid: data cells (bands, selection, text),
// then the header row and the fixed column over them, which stay in place while
// the data scroll underneath.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "CellStore.h"
#include "GridGeometry.h"
#include "GridNavigation.h"

class QPainter;

namespace tarno::grid {

struct GridLook {
  QFont font;
  QFont labelFont;  // the column numbers in the header, smaller than the captions
  QPalette palette;
  QColor currentFill;   // the current cell is always marked, focus or not
  QColor currentFrame;
  bool bandsShow = false;
  QColor bandsColor;
  int bandsInterval = 2;
  bool a1Style = false;
  bool wordWrap = false;
  bool highlightUrl = false;
  bool numbersRight = false;
  QString numberFormat;
  // What a data cell shows in place of its text; none: the text itself.
  std::function<std::optional<std::string>(int col, std::string_view text)> shownText;
};

struct GridViewState {
  int topRow = 1;   // first data row under the header
  int leftCol = 1;  // first data column right of the fixed column
  QSize size;       // of the viewport
  CellPos current;
  QRect selection;  // columns x rows, inclusive
  int dropRow = -1;  // where a dragged row would land, -1 when no row is dragged
  int dragRow = -1;
};

class GridPainter {
 public:
  GridPainter(QPainter& painter, const CellStore& cells, const GridGeometry& geometry, const GridLook& look,
              const GridViewState& view);
  void Paint();

  // How the current cell is marked: a light shade of the highlight, and its frame.
  static QColor CurrentCellFill(const QPalette& palette);
  static QColor CurrentCellFrame(const QPalette& palette);
  static constexpr int kCurrentFrameWidth = 2;
  // The frame just inside rect; the grid and its cell editor draw it alike.
  static void DrawCurrentFrame(QPainter& painter, const QRect& rect, const QColor& color);
  // The column numbers' font: a smaller grid font.
  static QFont LabelFont(const QFont& font);
  // The header row's least height: the bold caption above, the column number
  // under it, so that the two never run into each other in a narrow column.
  static int MinHeaderHeight(const QFont& font);

  // The rectangle of a cell in viewport coordinates, without its grid lines.
  static QRect CellRect(const CellStore& cells, const GridGeometry& geometry, const GridViewState& view, int col,
                        int row);

 private:
  template <typename Draw>
  void ForVisibleCells(int firstCol, int lastCol, int firstRow, int lastRow, Draw draw);
  int LastVisibleCol() const;
  int LastVisibleRow() const;

  void PaintDataCell(int col, int row, const QRect& rect);
  void PaintHeaderCell(int col, const QRect& rect);
  void PaintFixedCell(int row, const QRect& rect);
  void PaintGridLines(const QRect& rect, const QColor& color);
  void PaintFocus(const QRect& rect);
  void PaintDropMark();
  void PaintCellText(const QString& text, const QRect& rect, const QColor& defaultPen);
  bool IsBanded(int row) const;
  bool IsSelected(int col, int row) const;

  QPainter& painter_;
  const CellStore& cells_;
  const GridGeometry& geometry_;
  const GridLook& look_;
  const GridViewState& view_;
  QFont bold_;
};

}  // namespace tarno::grid
