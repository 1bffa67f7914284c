// Undo of the records behind the grid. The records are compared with a copy
// taken at the end of the previous step; a step keeps only the records that
// differ (and the tail when records were added or removed), so its memory
// follows what changed.
#pragma once

#include <cstddef>
#include <vector>

#include "DataItem.h"

namespace tarno::editing {

class RecordJournal {
 public:
  using Records = std::vector<TDataByteArray>;

  // What changed from copy to records; the copy is brought up to date.
  static RecordJournal Track(Records& copy, const Records& records);

  bool Empty() const { return changes_.empty(); }
  size_t Bytes() const;
  void Append(RecordJournal&& later);

  // Puts the records (and their copy) back as before the changes, or forwards
  // again after an undo.
  void Undo(Records& records, Records& copy);
  void Redo(Records& records, Records& copy);

 private:
  // Holds the other version of every record that differs, and of the tail
  // beyond the records both versions have; applying it swaps the versions.
  struct Change {
    size_t commonCount = 0;
    std::vector<std::pair<size_t, TDataByteArray>> differing;
    Records tail;
  };

  static void Swap(Change& change, Records& records, Records& copy);

  std::vector<Change> changes_;
};

}  // namespace tarno::editing
