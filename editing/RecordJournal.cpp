#include "RecordJournal.h"

#include <algorithm>
#include <utility>

namespace tarno::editing {

RecordJournal RecordJournal::Track(Records& copy, const Records& records) {
  RecordJournal journal;
  Change change;
  const bool resized = copy.size() != records.size();
  change.commonCount = std::min(copy.size(), records.size());
  for (size_t i = 0; i < change.commonCount; ++i) {
    if (copy[i] == records[i]) continue;
    change.differing.emplace_back(i, copy[i]);
    copy[i] = records[i];
  }
  if (resized) {
    change.tail.assign(std::make_move_iterator(copy.begin() + static_cast<std::ptrdiff_t>(change.commonCount)),
                       std::make_move_iterator(copy.end()));
    copy.resize(change.commonCount);
    copy.insert(copy.end(), records.begin() + static_cast<std::ptrdiff_t>(change.commonCount), records.end());
  }
  if (resized || !change.differing.empty()) journal.changes_.push_back(std::move(change));
  return journal;
}

size_t RecordJournal::Bytes() const {
  size_t bytes = changes_.capacity() * sizeof(Change);
  for (const Change& change : changes_) {
    bytes += change.differing.capacity() * sizeof(change.differing[0]) + change.tail.capacity() * sizeof(TDataByteArray);
    for (const auto& [index, record] : change.differing) bytes += record.capacity();
    for (const TDataByteArray& record : change.tail) bytes += record.capacity();
  }
  return bytes;
}

void RecordJournal::Append(RecordJournal&& later) {
  for (Change& change : later.changes_) changes_.push_back(std::move(change));
  later.changes_.clear();
}

void RecordJournal::Swap(Change& change, Records& records, Records& copy) {
  for (auto& [index, record] : change.differing) {
    std::swap(records[index], record);
    copy[index] = records[index];
  }
  const auto common = static_cast<std::ptrdiff_t>(change.commonCount);
  Records tail(std::make_move_iterator(records.begin() + common), std::make_move_iterator(records.end()));
  records.resize(change.commonCount);
  records.insert(records.end(), change.tail.begin(), change.tail.end());
  copy.resize(change.commonCount);
  copy.insert(copy.end(), change.tail.begin(), change.tail.end());
  change.tail = std::move(tail);
}

void RecordJournal::Undo(Records& records, Records& copy) {
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) Swap(*change, records, copy);
}

void RecordJournal::Redo(Records& records, Records& copy) {
  for (Change& change : changes_) Swap(change, records, copy);
}

}  // namespace tarno::editing
