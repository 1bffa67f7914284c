// The cell store's journal: replayed backwards every kind of change leaves the
// store as it was (texts, tags, edited marks, row order and count, columns and
// their widths), forwards again as it was after.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CellJournal.h"
#include "CellStore.h"

namespace tarno::grid {
namespace {

// Everything undo must give back, in display order (row heights are fitted anew).
struct Snapshot {
  int rows = 0;
  int cols = 0;
  std::vector<std::string> texts;
  std::vector<int32_t> tags;
  std::vector<bool> edited;
  std::vector<int> widths;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const CellStore& cells) {
  Snapshot shot{cells.RowCount(), cells.ColCount(), {}, {}, {}, {}};
  for (int c = 0; c < cells.ColCount(); ++c) shot.widths.push_back(cells.ColWidth(c));
  for (int r = 0; r < cells.RowCount(); ++r) {
    for (int c = 0; c < cells.ColCount(); ++c) {
      shot.texts.emplace_back(cells.Text(c, r));
      shot.tags.push_back(cells.Tag(c, r));
      shot.edited.push_back(cells.Edited(c, r));
    }
  }
  return shot;
}

// Cells "c,r" tagged r * 100 + c, every second one unedited, column c c*10 wide.
CellStore Filled(int cols, int rows) {
  CellStore cells;
  cells.SetColCount(cols);
  cells.SetRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      cells.SetText(c, r, std::to_string(c) + "," + std::to_string(r) + std::string(static_cast<size_t>(r % 3), 'x'));
      cells.SetTag(c, r, r * 100 + c);
      cells.SetEdited(c, r, (r + c) % 2 == 0);
    }
  for (int c = 0; c < cols; ++c) cells.SetColWidth(c, 10 * (c + 1));
  return cells;
}

struct Change {
  const char* name;
  std::function<void(CellStore&)> apply;
};

const std::vector<Change>& Changes() {
  static const std::vector<Change> changes = {
      {"texts typed and taken from the source, one cell twice",
       [](CellStore& s) {
         s.SetText(1, 2, "typed");
         s.SetText(1, 2, "typed again, longer than before");
         s.SetSourceText(2, 3, "from the record");
         s.SetSourceText(3, 1, std::string(s.Text(3, 1)));  // same text, the mark goes
       }},
      {"tags and marks", [](CellStore& s) {
         s.SetTag(2, 2, 77);
         s.SetEdited(1, 1, !s.Edited(1, 1));
       }},
      {"rows moved both ways", [](CellStore& s) {
         s.MoveRow(5, 1);
         s.MoveRow(2, 6);
         s.SetText(1, 6, "after the moves");
       }},
      {"rows rearranged, then a cell of a moved row changed",
       [](CellStore& s) {
         s.ArrangeRows(2, {5, 2, 6, 3, 4});
         s.SetText(2, 2, "in the moved row");
       }},
      {"rows added and filled", [](CellStore& s) {
         s.SetRowCount(s.RowCount() + 3);
         s.SetText(1, s.RowCount() - 1, "new");
         s.SetTag(1, s.RowCount() - 1, 5);
       }},
      {"rows cut off", [](CellStore& s) { s.SetRowCount(3); }},
      {"a row inserted and one deleted", [](CellStore& s) {
         s.InsertRow(2);
         s.SetText(2, 2, "inserted");
         s.DeleteRow(5);
       }},
      {"columns added and cut off", [](CellStore& s) {
         s.SetColCount(6);
         s.SetText(5, 1, "far right");
         s.SetColCount(3);
       }},
      {"a column inserted and one deleted", [](CellStore& s) {
         s.InsertColumn(1);
         s.SetText(1, 3, "in the new column");
         s.DeleteColumn(3);
       }},
  };
  return changes;
}

class CellJournalChange : public ::testing::TestWithParam<size_t> {};

TEST_P(CellJournalChange, UndoRestoresTheStoreAndRedoTheChange) {
  const Change& change = Changes()[GetParam()];
  SCOPED_TRACE(change.name);
  CellStore cells = Filled(5, 8);
  const Snapshot before = Take(cells);
  CellJournal journal;
  cells.SetJournal(&journal);
  change.apply(cells);
  cells.SetJournal(nullptr);
  const Snapshot after = Take(cells);
  ASSERT_FALSE(journal.Empty());
  ASSERT_NE(before, after);

  journal.Undo(cells);
  EXPECT_EQ(Take(cells), before);
  journal.Redo(cells);
  EXPECT_EQ(Take(cells), after);
  journal.Undo(cells);  // and again: every entry still holds what it needs
  EXPECT_EQ(Take(cells), before);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfChange, CellJournalChange, ::testing::Range<size_t>(0, Changes().size()));

TEST(CellJournal, NothingIsJournaledWhenNothingChanges) {
  CellStore cells = Filled(4, 4);
  CellJournal journal;
  cells.SetJournal(&journal);
  cells.SetText(1, 1, std::string(cells.Text(1, 1)));
  cells.SetTag(1, 1, cells.Tag(1, 1));
  cells.SetEdited(1, 1, cells.Edited(1, 1));
  cells.MoveRow(2, 2);
  cells.ArrangeRows(1, {1, 2, 3});
  cells.SetRowCount(cells.RowCount());
  cells.SetColWidth(1, 99);  // widths are no content
  cells.SetRow(3);
  EXPECT_TRUE(journal.Empty());
}

TEST(CellJournal, ASortKeepsThePermutationNotTheTexts) {
  CellStore cells;
  cells.SetColCount(4);
  cells.SetRowCount(2001);
  const std::string longText(200, 'n');
  for (int r = 1; r < cells.RowCount(); ++r)
    for (int c = 1; c < 4; ++c) cells.SetText(c, r, longText);
  std::vector<int> reversed;
  for (int r = cells.RowCount() - 1; r >= 1; --r) reversed.push_back(r);
  CellJournal journal;
  cells.SetJournal(&journal);
  cells.ArrangeRows(1, reversed);
  EXPECT_LT(journal.Bytes(), 2000 * sizeof(int) + 1024);
}

TEST(CellJournal, ACopyOfAJournaledStoreIsNotJournaled) {
  CellStore cells = Filled(3, 3);
  CellJournal journal;
  cells.SetJournal(&journal);
  CellStore copy = cells;
  copy.SetText(1, 1, "in the copy");
  copy = cells;
  copy.MoveRow(1, 2);
  EXPECT_TRUE(journal.Empty());
  EXPECT_EQ(copy.Journal(), nullptr);
}

TEST(CellStore, RevisionsAreNeverReusedAndCanBeGivenBack) {
  CellStore cells = Filled(3, 3);
  const uint64_t loaded = cells.ContentRevision();
  cells.SetText(1, 1, "a");
  const uint64_t edited = cells.ContentRevision();
  cells.RestoreContentRevision(loaded);
  cells.SetText(1, 1, "b");  // another state than the one edited named
  EXPECT_NE(cells.ContentRevision(), edited);
  EXPECT_NE(cells.ContentRevision(), loaded);
}

}  // namespace
}  // namespace tarno::grid
