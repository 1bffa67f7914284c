#include "ChannelSortEngine.h"

namespace tarno::editing {

grid::SortEngine ChannelSortEngine(grid::ToSortType type, int col, int first, int last) {
  grid::SortEngine engine;
  engine.SortType = type;
  engine.SortIndex = col;
  engine.StartIndex = first;
  engine.EndIndex = last;
  return engine;
}

}  // namespace tarno::editing
