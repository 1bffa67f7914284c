#include "GridGeometry.h"

#include <algorithm>

namespace tarno::grid {

void GridGeometry::Rebuild(const CellStore& cells) {
  fixedWidth_ = Pitch(cells.ColWidth(0));
  headerHeight_ = Pitch(cells.RowHeight(0));
  colEdge_.assign(static_cast<size_t>(std::max(cells.ColCount(), 1)) + 1, 0);
  for (int c = 1; c < cells.ColCount(); ++c)
    colEdge_[static_cast<size_t>(c) + 1] = colEdge_[static_cast<size_t>(c)] + Pitch(cells.ColWidth(c));
  rowEdge_.assign(static_cast<size_t>(std::max(cells.RowCount(), 1)) + 1, 0);
  for (int r = 1; r < cells.RowCount(); ++r)
    rowEdge_[static_cast<size_t>(r) + 1] = rowEdge_[static_cast<size_t>(r)] + Pitch(cells.RowHeight(r));
}

int GridGeometry::IndexAt(const std::vector<int>& edges, int offset) {
  if (offset < 0 || offset >= edges.back()) return -1;
  // The last line starting at or before offset; hidden lines share the next one's
  // start, so this is always a visible one.
  const auto after = std::upper_bound(edges.begin() + 1, edges.end(), offset);
  return static_cast<int>(after - edges.begin()) - 1;
}

int GridGeometry::FirstStartAtLeast(const std::vector<int>& edges, int offset) {
  const int last = std::max(1, static_cast<int>(edges.size()) - 2);
  const auto at = std::lower_bound(edges.begin() + 1, edges.end() - 1, std::max(offset, 0));
  int index = std::min(last, std::max(1, static_cast<int>(at - edges.begin())));
  // A hidden line starts where the next one does: prefer the visible one.
  while (index < last && edges[static_cast<size_t>(index) + 1] == edges[static_cast<size_t>(index)]) ++index;
  return index;
}

int GridGeometry::EndFitting(const std::vector<int>& edges, int first, int extent) {
  const int limit = edges[static_cast<size_t>(first)] + std::max(extent, 0);
  const auto after = std::upper_bound(edges.begin() + first, edges.end(), limit);
  return std::max(first, static_cast<int>(after - edges.begin()) - 1);
}

}  // namespace tarno::grid
