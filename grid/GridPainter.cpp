#include "GridPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "ColumnLabel.h"
#include "Utf8Text.h"

namespace tarno::grid {
namespace {

constexpr int kTextMargin = 2;  // from the cell's left and top edges, and from the right for labels
constexpr double kLabelFontShare = 0.8;  // column numbers against the grid font
constexpr double kMinLabelPointSize = 6;
constexpr double kCurrentFillShare = 0.25;  // of the highlight colour in the current cell's fill
const QColor kDataLineColor(0xC0, 0xC0, 0xC0);
const QColor kFixedLineColor(0x80, 0x80, 0x80);

bool IsUrl(const QString& text) {
  return text.startsWith(QLatin1String("mailto:")) || text.startsWith(QLatin1String("http:"));
}

// Numbers are shown in a C-style format of the kind "%.2f"; anything else shows
// the number in its shortest form rather than trusting the format blindly.
QString FormatNumber(double value, const QString& format) {
  static const QRegularExpression kFloatFormat(QStringLiteral("^%\\.(\\d{1,2})([fFeEgG])$"));
  const QRegularExpressionMatch match = kFloatFormat.match(format);
  if (!match.hasMatch()) return QString::number(value);
  return QString::number(value, match.captured(2).at(0).toLatin1(), match.captured(1).toInt());
}

}  // namespace

GridPainter::GridPainter(QPainter& painter, const CellStore& cells, const GridGeometry& geometry, const GridLook& look,
                         const GridViewState& view)
    : painter_(painter), cells_(cells), geometry_(geometry), look_(look), view_(view), bold_(look.font) {
  bold_.setBold(true);
}

QColor GridPainter::CurrentCellFill(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Active, QPalette::Base);
  const QColor mark = palette.color(QPalette::Active, QPalette::Highlight);
  const auto mix = [](int from, int to) { return qRound(from + (to - from) * kCurrentFillShare); };
  return {mix(base.red(), mark.red()), mix(base.green(), mark.green()), mix(base.blue(), mark.blue())};
}

QColor GridPainter::CurrentCellFrame(const QPalette& palette) {
  return palette.color(QPalette::Active, QPalette::Highlight);
}

QFont GridPainter::LabelFont(const QFont& font) {
  QFont label = font;
  label.setBold(false);
  if (font.pointSizeF() > 0) label.setPointSizeF(std::max(kMinLabelPointSize, font.pointSizeF() * kLabelFontShare));
  else label.setPixelSize(std::max(1, qRound(font.pixelSize() * kLabelFontShare)));
  return label;
}

int GridPainter::MinHeaderHeight(const QFont& font) {
  QFont bold = font;
  bold.setBold(true);
  return kTextMargin + QFontMetrics(bold).height() + QFontMetrics(LabelFont(font)).height();
}

QRect GridPainter::CellRect(const CellStore& cells, const GridGeometry& geometry, const GridViewState& view, int col,
                            int row) {
  const int x = col == 0 ? 0 : geometry.FixedWidth() + geometry.ColLeft(col) - geometry.ColLeft(view.leftCol);
  const int y = row == 0 ? 0 : geometry.HeaderHeight() + geometry.RowTop(row) - geometry.RowTop(view.topRow);
  const int height = row == 0 ? geometry.HeaderHeight() - kGridLineWidth : cells.RowHeight(row);
  return {x, y, std::max(cells.ColWidth(col), 0), std::max(height, 0)};
}

int GridPainter::LastVisibleCol() const {
  const int col = geometry_.ColAt(geometry_.ColLeft(view_.leftCol) + view_.size.width() - geometry_.FixedWidth() - 1);
  return col < 0 ? cells_.ColCount() - 1 : col;
}

int GridPainter::LastVisibleRow() const {
  const int row = geometry_.RowAt(geometry_.RowTop(view_.topRow) + view_.size.height() - geometry_.HeaderHeight() - 1);
  return row < 0 ? cells_.RowCount() - 1 : row;
}

template <typename Draw>
void GridPainter::ForVisibleCells(int firstCol, int lastCol, int firstRow, int lastRow, Draw draw) {
  for (int row = firstRow; row <= lastRow; ++row) {
    if (!cells_.RowVisible(row)) continue;
    for (int col = firstCol; col <= lastCol; ++col)
      if (cells_.ColVisible(col)) draw(col, row, CellRect(cells_, geometry_, view_, col, row));
  }
}

void GridPainter::Paint() {
  const int lastCol = LastVisibleCol();
  const int lastRow = LastVisibleRow();
  const QRect dataArea(geometry_.FixedWidth(), geometry_.HeaderHeight(), view_.size.width(), view_.size.height());

  painter_.fillRect(QRect(QPoint(0, 0), view_.size), look_.palette.window());
  painter_.save();
  painter_.setClipRect(dataArea);
  ForVisibleCells(view_.leftCol, lastCol, view_.topRow, lastRow,
                  [this](int col, int row, const QRect& rect) { PaintDataCell(col, row, rect); });
  painter_.restore();

  painter_.save();
  painter_.setClipRect(QRect(geometry_.FixedWidth(), 0, view_.size.width(), geometry_.HeaderHeight()));
  ForVisibleCells(view_.leftCol, lastCol, 0, 0, [this](int col, int, const QRect& rect) { PaintHeaderCell(col, rect); });
  painter_.restore();

  painter_.save();
  painter_.setClipRect(QRect(0, geometry_.HeaderHeight(), geometry_.FixedWidth(), view_.size.height()));
  ForVisibleCells(0, 0, view_.topRow, lastRow, [this](int, int row, const QRect& rect) { PaintFixedCell(row, rect); });
  painter_.restore();

  ForVisibleCells(0, 0, 0, 0, [this](int, int row, const QRect& rect) { PaintFixedCell(row, rect); });

  painter_.save();
  painter_.setClipRect(QRect(0, geometry_.HeaderHeight(), view_.size.width(), view_.size.height()));
  PaintDropMark();
  painter_.restore();
}

// Bands count the rows the user sees, so a filtered grid is banded evenly too.
bool GridPainter::IsBanded(int row) const {
  return look_.bandsShow && look_.bandsInterval > 0 && geometry_.RowOrdinal(row) % look_.bandsInterval == 0;
}

bool GridPainter::IsSelected(int col, int row) const {
  return view_.selection.contains(col, row) && !(CellPos{col, row} == view_.current);
}

void GridPainter::PaintDataCell(int col, int row, const QRect& rect) {
  const bool selected = IsSelected(col, row);
  const bool current = CellPos{col, row} == view_.current;
  QColor background = look_.palette.color(QPalette::Base);
  if (selected) background = look_.palette.color(QPalette::Highlight);
  else if (current) background = look_.currentFill;
  else if (IsBanded(row)) background = look_.bandsColor;
  painter_.fillRect(rect, background);
  painter_.setFont(look_.font);
  const std::string_view text = cells_.Text(col, row);
  const std::optional<std::string> shown = look_.shownText ? look_.shownText(col, text) : std::nullopt;
  PaintCellText(ToQString(shown ? std::string_view(*shown) : text), rect,
                selected ? look_.palette.color(QPalette::HighlightedText) : QColor(Qt::black));
  PaintGridLines(rect, kDataLineColor);
  if (current) PaintFocus(rect);
}

void GridPainter::PaintCellText(const QString& text, const QRect& rect, const QColor& defaultPen) {
  if (text.isEmpty()) return;
  QString shown = text;
  int flags = Qt::AlignLeft | Qt::AlignTop | (look_.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
  QColor pen = defaultPen;
  if (look_.numbersRight) {
    bool isNumber = false;
    const double value = text.trimmed().toDouble(&isNumber);
    if (isNumber) {
      shown = FormatNumber(value, look_.numberFormat);
      flags = (flags & ~Qt::AlignLeft) | Qt::AlignRight;
    }
  }
  if (look_.highlightUrl && IsUrl(text)) {
    QFont underlined = painter_.font();
    underlined.setUnderline(true);
    painter_.setFont(underlined);
    pen = Qt::blue;
  }
  painter_.setPen(pen);
  painter_.drawText(rect.adjusted(kTextMargin, kTextMargin, -kTextMargin, 0), flags, shown);
}

void GridPainter::PaintHeaderCell(int col, const QRect& rect) {
  painter_.fillRect(rect, look_.palette.color(QPalette::Button));
  painter_.setPen(Qt::black);
  painter_.setFont(bold_);
  painter_.drawText(rect.adjusted(kTextMargin, kTextMargin, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    ToQString(cells_.Text(col, 0)));
  painter_.setFont(look_.labelFont);
  painter_.drawText(rect.adjusted(0, 0, -kTextMargin, 0), Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                    QString::fromStdString(ColumnLabel(col, look_.a1Style)));
  PaintGridLines(rect, kFixedLineColor);
}

// The fixed column shows where a row stands now, whatever its stored text says.
void GridPainter::PaintFixedCell(int row, const QRect& rect) {
  painter_.fillRect(rect, look_.palette.color(QPalette::Button));
  painter_.setPen(Qt::black);
  painter_.setFont(look_.font);
  painter_.drawText(rect.adjusted(0, 0, -kTextMargin, 0), Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                    QString::number(row));
  PaintGridLines(rect, kFixedLineColor);
}

void GridPainter::PaintGridLines(const QRect& rect, const QColor& color) {
  painter_.fillRect(QRect(rect.right() + 1, rect.top(), kGridLineWidth, rect.height() + kGridLineWidth), color);
  painter_.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width(), kGridLineWidth), color);
}

void GridPainter::PaintFocus(const QRect& rect) { DrawCurrentFrame(painter_, rect, look_.currentFrame); }

void GridPainter::DrawCurrentFrame(QPainter& painter, const QRect& rect, const QColor& color) {
  QPen pen(color);
  pen.setWidth(kCurrentFrameWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(1, 1, -1, -1));
}

void GridPainter::PaintDropMark() {
  if (view_.dropRow < 1 || view_.dropRow == view_.dragRow) return;
  const QRect target = CellRect(cells_, geometry_, view_, 0, view_.dropRow);
  // Moving down puts the row under the target, moving up above it.
  const int y = view_.dropRow > view_.dragRow ? target.bottom() : target.top() - 1;
  painter_.fillRect(QRect(0, y, view_.size.width(), 2), look_.palette.color(QPalette::Highlight));
}

}  // namespace tarno::grid
