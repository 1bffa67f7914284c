// Undo and redo of every grid command over a made-up channel list: undo gives
// back the cells (texts, tags, edited marks), the rows' order and count, the
// records, the current cell and the content revision; redo the state after.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ChannelListSupport.h"
#include "CsvExchange.h"
#include "Duplicates.h"
#include "EditHistory.h"
#include "MoveRow.h"
#include "RecordCommands.h"
#include "ReferenceList.h"
#include "Renumbering.h"
#include "SortRows.h"

namespace tarno::editing {
namespace {

using test::LoadedList;
using test::TestChannel;

constexpr int kNrCol = 1;
constexpr int kNameCol = 2;

std::vector<TestChannel> Channels() {
  return {{5, "Alpha", 10, 1, 1},  {0, "Beta", 11, 1, 1},   {3, "Gamma", 12, 1, 1},
          {9, "Alpha2", 10, 1, 1}, {1, "Delta", 13, 2, 1},  {7, "Epsilon", 14, 2, 1}};
}

struct State {
  int rows = 0;
  int cols = 0;
  std::vector<std::string> texts;
  std::vector<int32_t> tags;
  std::vector<bool> edited;
  int col = 0;
  int row = 0;
  uint64_t revision = 0;
  std::vector<TDataByteArray> records;
  bool operator==(const State&) const = default;
};

State Take(const LoadedList& list) {
  const grid::CellStore& cells = list.cells;
  State state{cells.RowCount(), cells.ColCount(), {}, {}, {}, cells.Col(), cells.Row(), cells.ContentRevision(),
              list.data.Records};
  for (int r = 0; r < cells.RowCount(); ++r)
    for (int c = 0; c < cells.ColCount(); ++c) {
      state.texts.emplace_back(cells.Text(c, r));
      state.tags.push_back(cells.Tag(c, r));
      state.edited.push_back(cells.Edited(c, r));
    }
  return state;
}

std::string SwapLines(const std::string& csv, size_t a, size_t b) {
  std::vector<std::string> lines;
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::swap(lines[a], lines[b]);
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

struct Command {
  const char* name;
  std::function<void(LoadedList&)> run;
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"typing into a cell",
       [](LoadedList& l) {
         const uint64_t typing = grid::NewMergeKey();
         for (const char* text : {"B", "Be", "Bet"}) {
           const grid::CellStore::Step step(l.cells, typing);
           l.cells.SetText(kNameCol, 3, text);
         }
       }},
      {"Sort rows", [](LoadedList& l) {
         l.cells.SetCol(kNrCol);
         SortRows(&l.cells);
       }},
      {"Move row", [](LoadedList& l) {
         EditorState state;
         state.MoveToRow = 1;
         l.cells.SetRow(5);
         MoveRowToTarget(state, &l.cells);
       }},
      {"Renumber column", [](LoadedList& l) {
         l.cells.SetCol(kNrCol);
         RenumberColumn(&l.data, &l.cells);
       }},
      {"Row based renumber", [](LoadedList& l) {
         l.cells.SetCol(kNrCol);
         RowBasedRenumber(&l.data, &l.cells);
       }},
      {"Sorted renumber", [](LoadedList& l) {
         l.cells.SetCol(kNrCol);
         SortedRenumber(&l.data, &l.cells);
       }},
      {"Clear row", [](LoadedList& l) {
         l.cells.SetRow(4);
         ClearCurrentRow(&l.data, &l.cells);
       }},
      {"Add record", [](LoadedList& l) { AddRecord(&l.data, &l.cells); }},
      {"Remove last record", [](LoadedList& l) { RemoveLastRecord(&l.data, &l.cells); }},
      {"Import CSV", [](LoadedList& l) {
         std::string csv = SwapLines(ExportCsv(l.data, l.cells), 1, 4);
         csv.replace(csv.find("Gamma"), 5, "Omega");
         ImportCsv(l.data, l.cells, csv);
       }},
      {"Apply reference", [](LoadedList& l) {
         LoadedList reference("digital", {{2, "Gamma", 12, 1, 1}, {4, "Delta", 13, 2, 1}});
         ApplyReference(l.data, l.cells, ListGridChannels(reference.data, reference.cells));
       }},
      {"Remove duplicates", [](LoadedList& l) { RemoveDuplicates(l.data, l.cells); }},
      {"Import from ASCII", [](LoadedList& l) {
         std::vector<TestChannel> others = Channels();
         for (TestChannel& channel : others) channel.name += "x";
         const LoadedList other("digital", others);
         ASSERT_TRUE(l.data.ImportFromString(other.data.ExportToString()));
         l.data.FillGrid(&l.cells);
       }},
  };
  return commands;
}

class UndoCommand : public ::testing::TestWithParam<size_t> {};

// Each command once on the list as loaded and once after rows were moved and a
// cell was typed into, so that rows show other records than their position.
TEST_P(UndoCommand, UndoGivesTheStateBeforeAndRedoTheStateAfter) {
  const Command& command = Commands()[GetParam()];
  SCOPED_TRACE(command.name);
  for (const bool moved : {false, true}) {
    SCOPED_TRACE(moved ? "after rows were moved" : "as loaded");
    LoadedList list("digital", Channels());
    if (moved) {
      list.cells.MoveRow(6, 1);
      list.cells.MoveRow(2, 5);
      list.cells.SetText(kNameCol, 2, "typed");
    }
    list.cells.SetCol(kNameCol);
    list.cells.SetRow(2);
    EditHistory history(list.data, list.cells);
    const State before = Take(list);
    {
      const grid::CellStore::Step step(list.cells);
      command.run(list);
    }
    const State after = Take(list);
    ASSERT_NE(before, after);
    EXPECT_EQ(history.UndoCount(), 1u);

    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Take(list), before);
    EXPECT_FALSE(history.Undo());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(Take(list), after);
    EXPECT_FALSE(history.Redo());
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, UndoCommand, ::testing::Range<size_t>(0, Commands().size()));

class History : public ::testing::Test {
 protected:
  void Type(int row, const std::string& text, uint64_t key) {
    const grid::CellStore::Step step(list.cells, key);
    list.cells.SetText(kNameCol, row, text);
  }
  std::string SavedBytes() {
    std::ostringstream out;
    EXPECT_TRUE(list.data.SaveToStream(out, false));
    return out.str();
  }

  LoadedList list{"digital", Channels()};
  EditHistory history{list.data, list.cells};
};

TEST_F(History, KeystrokesIntoOneCellAreOneStepUntilTheNextCell) {
  const uint64_t first = grid::NewMergeKey();
  Type(1, "A", first);
  Type(1, "AB", first);
  const uint64_t second = grid::NewMergeKey();
  Type(2, "C", second);
  EXPECT_EQ(history.UndoCount(), 2u);
  history.Undo();
  EXPECT_EQ(list.cells.Text(kNameCol, 1), "AB");
  history.Undo();
  EXPECT_EQ(list.cells.Text(kNameCol, 1), "Alpha");
  EXPECT_FALSE(list.cells.Edited(kNameCol, 1));
  // Typing on after an undo is a step of its own, even into the same cell.
  history.Redo();
  Type(1, "ABC", first);
  EXPECT_EQ(history.UndoCount(), 2u);
}

TEST_F(History, ANewChangeAfterUndoDropsWhatCouldBeRedone) {
  Type(1, "one", grid::NewMergeKey());
  Type(2, "two", grid::NewMergeKey());
  history.Undo();
  EXPECT_EQ(history.RedoCount(), 1u);
  Type(3, "three", grid::NewMergeKey());
  EXPECT_EQ(history.RedoCount(), 0u);
  EXPECT_FALSE(history.Redo());
  EXPECT_EQ(list.cells.Text(kNameCol, 2), "Beta");
}

TEST_F(History, ChangesMadeOutsideAStepAreUndoneOnTheirOwn) {
  list.cells.SetText(kNameCol, 1, "loose");
  list.data.Records[2][0] = 42;
  Type(2, "stepped", grid::NewMergeKey());
  EXPECT_EQ(history.UndoCount(), 2u);
  history.Undo();
  EXPECT_EQ(list.cells.Text(kNameCol, 1), "loose");
  history.Undo();
  EXPECT_EQ(list.cells.Text(kNameCol, 1), "Alpha");
  EXPECT_EQ(list.data.Records[2][0], 3);
}

TEST_F(History, RevertingTheTypingLeavesNoStepBehind) {
  const uint64_t typing = grid::NewMergeKey();
  Type(1, "typed", typing);
  EXPECT_FALSE(list.cells.RevertStep(grid::NewMergeKey()));  // not that typing
  EXPECT_TRUE(list.cells.RevertStep(typing));
  EXPECT_EQ(list.cells.Text(kNameCol, 1), "Alpha");
  EXPECT_FALSE(list.cells.Edited(kNameCol, 1));
  EXPECT_EQ(history.UndoCount(), 0u);
  EXPECT_EQ(history.RedoCount(), 0u);
}

TEST_F(History, AnEditUndoneLeavesTheRecordsToSaveAsLoaded) {
  const std::string loaded = SavedBytes();
  const uint64_t loadedRevision = list.cells.ContentRevision();
  Type(3, "Changed", grid::NewMergeKey());
  history.Undo();
  EXPECT_EQ(list.cells.ContentRevision(), loadedRevision);
  ASSERT_TRUE(list.data.GridToRecords(&list.cells, false));
  EXPECT_EQ(SavedBytes(), loaded);
}

// A save takes the cells back into the records (in displayed order: records
// rearranged, rows tagged anew). Undo then gives back the records as before the
// save, and redo the saved state with its revision.
TEST_F(History, ASaveJoinsTheStepItSaved) {
  list.cells.SetCol(kNrCol);
  {
    const grid::CellStore::Step step(list.cells);
    SortRows(&list.cells);
  }
  const State sorted = Take(list);
  ASSERT_TRUE(list.data.GridToRecords(&list.cells, true));
  history.AbsorbSave();
  const State saved = Take(list);
  ASSERT_NE(saved.records, sorted.records);

  history.Undo();
  EXPECT_EQ(list.data.Records, LoadedList("digital", Channels()).data.Records);
  history.Redo();
  EXPECT_EQ(Take(list), saved);
}

TEST_F(History, ASaveThatChangedTheRecordsDropsTheRedoList) {
  Type(1, "one", grid::NewMergeKey());
  Type(2, "two", grid::NewMergeKey());
  history.Undo();
  ASSERT_TRUE(list.data.GridToRecords(&list.cells, false));
  history.AbsorbSave();
  EXPECT_EQ(history.RedoCount(), 0u);
  history.Undo();
  EXPECT_EQ(list.cells.Text(kNameCol, 1), "Alpha");
  ASSERT_TRUE(list.data.GridToRecords(&list.cells, false));
  EXPECT_EQ(list.data.Records, LoadedList("digital", Channels()).data.Records);
}

TEST(HistoryMemory, ASortOfManyRowsKeepsItsPermutationAndTheChangedCellsOnly) {
  std::vector<TestChannel> many;
  for (uint16_t i = 0; i < 3000; ++i) many.push_back({static_cast<uint16_t>(3000 - i), "Name", i, 1, 1});
  LoadedList list("digital", many);
  EditHistory history(list.data, list.cells);
  list.cells.SetCol(kNrCol);
  {
    const grid::CellStore::Step step(list.cells);
    SortRows(&list.cells);
  }
  ASSERT_EQ(list.cells.Text(kNrCol, 1), "00001");
  EXPECT_LT(history.Bytes(), 3000 * sizeof(int) + 4096);
}

}  // namespace
}  // namespace tarno::editing
