#include "GridGeometry.h"

#include <algorithm>

namespace tarno::grid {

namespace {

// Fills edges (as described in the header) and the list of lines that take room.
template <typename Size>
void BuildEdges(int count, Size size, std::vector<int>& edges, std::vector<int>& visible) {
  edges.assign(static_cast<size_t>(std::max(count, 1)) + 1, 0);
  visible.clear();
  for (int i = 1; i < count; ++i) {
    const int pitch = GridGeometry::Pitch(size(i));
    edges[static_cast<size_t>(i) + 1] = edges[static_cast<size_t>(i)] + pitch;
    if (pitch > 0) visible.push_back(i);
  }
}

}  // namespace

void GridGeometry::Rebuild(const CellStore& cells, int minHeaderHeight) {
  fixedWidth_ = Pitch(cells.ColWidth(0));
  const int header = cells.RowHeight(0);
  headerHeight_ = Pitch(header > 0 ? std::max(header, minHeaderHeight) : header);
  BuildEdges(cells.ColCount(), [&](int c) { return cells.ColWidth(c); }, colEdge_, visibleCols_);
  BuildEdges(cells.RowCount(), [&](int r) { return cells.RowHeight(r); }, rowEdge_, visibleRows_);
}

int GridGeometry::Ordinal(const std::vector<int>& visible, int index) {
  if (visible.empty()) return 0;
  const auto at = std::lower_bound(visible.begin(), visible.end(), index);
  return std::min(static_cast<int>(at - visible.begin()) + 1, static_cast<int>(visible.size()));
}

int GridGeometry::AtOrdinal(const std::vector<int>& visible, int ordinal) {
  if (visible.empty()) return 1;
  return visible[static_cast<size_t>(std::clamp(ordinal, 1, static_cast<int>(visible.size())) - 1)];
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
