// tarno-cli edit over a real channel map: 1000 cable records, 42 of them numbered.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "KeptByteLayouts.h"
#include "RunProgram.h"

namespace tarno {
namespace {

using test::RunProgram;
using Rows = std::vector<std::vector<std::string>>;

constexpr const char* kArchive = test::kKeptBytesArchive;
constexpr size_t kProgramCol = test::kKeptBytesProgramCol;
constexpr size_t kNameCol = test::kKeptBytesNameCol;

// The two files the tests edit, with every byte kept: the cable map and the
// satellite table, whose layout declares a header.
const std::string kLayouts = std::string(test::kCableDigitalLayout) +
    "[SatDataBase.dat]\n"
    "HEADER = $81\n"
    "ITEM = Marker,       1, 1, \\,    ,  1\n"
    "ITEM = Satellite,    4, 4, #,    ,  2\n"
    "ITEM = Transponders, 4, 4, #,    ,  3\n"
    "ITEM = Name,       128, 1, $,    , -4\n"
    "ITEM = East,         4, 4, #,    ,  5\n"
    "ITEM = Position,     4, 4, #,    ,  6\n";

class CliEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::ExtractSample(kArchive, dir_.Path()));
    test::WriteFile(kSettings, kLayouts);
  }

  std::string Source(const std::string& name = "map-CableD") const { return dir_.File(name); }
  std::string Out() const { return dir_.File("out"); }

  test::ProgramResult Edit(std::vector<std::string> commands, std::vector<std::string> options = {},
                           const std::string& source = "map-CableD") const {
    std::vector<std::string> args = {"edit", "--ini", kSettings};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(Source(source));
    args.push_back(Out());
    args.insert(args.end(), commands.begin(), commands.end());
    return RunProgram("tarno-cli", args);
  }

  // The grid as show prints it: row 0 the captions, cells from column 1 (index 1 here).
  static Rows Show(const std::string& path) {
    const auto shown = RunProgram("tarno-cli", {"show", "--ini", kSettings, path});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    Rows rows;
    std::istringstream lines(shown.out);
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> cells = {""};
      std::istringstream fields(line);
      for (std::string field; std::getline(fields, field, '\t');) cells.push_back(field);
      rows.push_back(cells);
    }
    return rows;
  }

  // show names the layout by the file name, so a saved copy is shown under the source's name.
  Rows ShowSaved(const std::string& name = "map-CableD") const {
    test::TempDir copy;
    std::filesystem::copy_file(Out(), copy.File(name));
    return Show(copy.File(name));
  }

  test::TempDir dir_;
  static inline test::TempDir settingsDir_;
  static inline const std::string kSettings = settingsDir_.File("TarnoChannelEdit.ini");
};

std::vector<std::string> ColumnOf(const Rows& rows, size_t col) {
  std::vector<std::string> texts;
  for (size_t r = 1; r < rows.size(); ++r) texts.push_back(rows[r][col]);
  return texts;
}

TEST_F(CliEdit, SortRowsSavedInDisplayedOrderPutsNumberedChannelsFirst) {
  const Rows before = Show(Source());
  const auto run = Edit({"select=1,1", "sort-rows"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Loading map-CableD\nData loaded\nData saved as " + Out() + "\n");
  EXPECT_EQ(run.err, "");

  std::vector<std::string> numbers = ColumnOf(before, kProgramCol);
  std::vector<std::string> expected;
  std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(expected), [](auto& n) { return !n.empty(); });
  ASSERT_EQ(expected.size(), 42u);
  std::sort(expected.begin(), expected.end());
  expected.resize(numbers.size());
  EXPECT_EQ(ColumnOf(ShowSaved(), kProgramCol), expected);
}

TEST_F(CliEdit, KeepOrderWritesTheRecordsWhereTheyWere) {
  const auto run = Edit({"select=1,1", "sort-rows", "select=1,3", "set-move-target", "select=1,40", "move-row"},
                        {"--keep-order"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto plain = RunProgram("tarno-cli", {"roundtrip", "--ini", kSettings, Source(), dir_.File("plain")});
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  EXPECT_EQ(test::ReadFile(Out()), test::ReadFile(dir_.File("plain")));
}

TEST_F(CliEdit, MoveRowPlacesTheSelectedRowAtTheTarget) {
  const Rows before = Show(Source());
  const auto run = Edit({"select=2,5", "set-move-target", "select=3,9", "move-row", "select=1,20", "move-row"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Rows after = ShowSaved();
  EXPECT_EQ(after[5], before[9]);
  EXPECT_EQ(after[6], before[20]);
  EXPECT_EQ(after[7], before[5]);
  EXPECT_EQ(after[21], before[21]);
}

TEST_F(CliEdit, SortedRenumberNumbersTheChannelsByTheirOldNumbers) {
  const std::vector<std::string> old = ColumnOf(Show(Source()), kProgramCol);
  const auto run = Edit({"select=1,600", "sorted-renumber"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> renumbered = ColumnOf(ShowSaved(), kProgramCol);
  ASSERT_EQ(renumbered.size(), old.size());
  std::vector<int> given;
  for (size_t a = 0; a < old.size(); ++a) {
    ASSERT_EQ(old[a].empty(), renumbered[a].empty()) << a;
    if (old[a].empty()) continue;
    given.push_back(std::stoi(renumbered[a]));
    for (size_t b = 0; b < old.size(); ++b)
      if (!old[b].empty() && old[a] < old[b]) {
        EXPECT_LT(std::stoi(renumbered[a]), std::stoi(renumbered[b]));
      }
  }
  std::sort(given.begin(), given.end());
  for (size_t i = 0; i < given.size(); ++i) EXPECT_EQ(given[i], static_cast<int>(i) + 1);
}

TEST_F(CliEdit, HexadecimalNumberAbandonsSortedRenumberAndTheRunGoesOn) {
  const Rows before = Show(Source());
  const auto run = Edit({"select=1,1", "type=$1F", "sorted-renumber", "select=1,2", "row-renumber"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("'$1F' is not a valid floating point value"), std::string::npos) << run.err;
  const Rows after = ShowSaved();
  EXPECT_EQ(after[1][kProgramCol], "00001");  // "$1F" (31) was renumbered by the row based renumber
  EXPECT_EQ(after[2][kProgramCol], "00002");
}

TEST_F(CliEdit, FindAndFindNextVisitEveryMatchInReadingOrderWithoutWrapping) {
  const Rows rows = Show(Source());
  std::vector<std::string> matches;
  for (size_t r = 1; r < rows.size(); ++r)
    for (size_t c = 1; c < rows[r].size(); ++c) {
      std::string upper = rows[r][c];
      std::transform(upper.begin(), upper.end(), upper.begin(), [](char ch) { return ch >= 'a' && ch <= 'z' ? ch - 32 : ch; });
      if (upper.find("ZDF") != std::string::npos) matches.push_back(std::to_string(c) + "," + std::to_string(r));
    }
  ASSERT_GE(matches.size(), 2u);
  std::vector<std::string> commands = {"select=1,1", "find=zdf"};
  for (size_t i = 0; i < matches.size(); ++i) commands.push_back("find-next");
  const auto run = Edit(commands);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::string expected = "Loading map-CableD\nData loaded\n";
  for (const std::string& at : matches) expected += at + "\n";
  expected += matches.back() + "\nData saved as " + Out() + "\n";
  EXPECT_EQ(run.out, expected);
}

TEST_F(CliEdit, TypedTextAndClearedRowsReachTheFile) {
  const auto run = Edit({"select=3,3", "type=Tarno TV", "select=5,4", "clear-row"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Rows after = ShowSaved();
  EXPECT_EQ(after[3][kNameCol], "Tarno TV");
  EXPECT_EQ(after[4][kProgramCol], "");
  EXPECT_EQ(after[4][kNameCol], "");
}

// Undone, every command leaves the file to be saved byte for byte as it was
// read, in displayed order too; redone, as the command alone leaves it.
TEST_F(CliEdit, UndoneCommandsSaveTheFileAsReadAndRedoneOnesAsDone) {
  const std::string source = test::ReadFile(Source());
  const std::vector<std::vector<std::string>> undone = {
      {"select=3,3", "type=Tarno TV", "undo"},
      {"select=1,1", "sort-rows", "select=3,2", "type=Sorted", "undo", "undo"},
      {"select=1,1", "sorted-renumber", "select=5,4", "clear-row", "undo", "undo"},
      {"select=2,5", "set-move-target", "select=3,9", "move-row", "undo", "undo", "undo"},  // more than done
  };
  for (const auto& commands : undone) {
    const auto run = Edit(commands);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::ReadFile(Out()), source) << commands[1];
  }
  auto run = Edit({"select=1,1", "sort-rows", "select=3,3", "type=Tarno TV"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string done = test::ReadFile(Out());
  run = Edit({"select=1,1", "sort-rows", "select=3,3", "type=Tarno TV", "undo", "undo", "redo", "redo", "redo"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(test::ReadFile(Out()), done);
  // A command after an undo drops the redo list.
  run = Edit({"select=3,3", "type=First", "undo", "select=3,4", "type=Second", "redo"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Rows after = ShowSaved();
  EXPECT_EQ(after[3][kNameCol], Show(Source())[3][kNameCol]);
  EXPECT_EQ(after[4][kNameCol], "Second");
}

TEST_F(CliEdit, AddedAndRemovedRecordsAreUndone) {
  const std::string source = test::ReadFile(Source("SatDataBase.dat"));
  auto run = Edit({"add-record", "remove-last-record", "remove-last-record", "undo", "undo", "undo"}, {},
                  "SatDataBase.dat");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(test::ReadFile(Out()), source);
}

TEST_F(CliEdit, RecordsAreAddedAndRemovedOnlyForLayoutsWithAHeader) {
  const size_t size = test::ReadFile(Source("SatDataBase.dat")).size();
  auto run = Edit({"add-record", "add-record"}, {}, "SatDataBase.dat");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(test::ReadFile(Out()).size(), size + 2 * 145);
  run = Edit({"remove-last-record"}, {}, "SatDataBase.dat");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string shorter = test::ReadFile(Out());
  EXPECT_EQ(shorter, test::ReadFile(Source("SatDataBase.dat")).substr(0, size - 145));

  std::filesystem::remove(Out());
  run = Edit({"add-record"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("add-record"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(CliEdit, CrcOptionRegeneratesTheCheckByteOfEditedRecords) {
  auto checkByteMatchesSum = [](const std::string& file) {
    unsigned sum = 0;
    for (size_t i = 0; i < 319; ++i) sum += static_cast<unsigned char>(file[i]);
    return static_cast<unsigned char>(file[319]) == (sum & 0xFF);
  };
  ASSERT_TRUE(checkByteMatchesSum(test::ReadFile(Source())));
  auto run = Edit({"select=3,1", "type=Tarno"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_FALSE(checkByteMatchesSum(test::ReadFile(Out())));
  run = Edit({"select=3,1", "type=Tarno"}, {"--crc"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(checkByteMatchesSum(test::ReadFile(Out())));
}

TEST_F(CliEdit, CellTheFieldCannotHoldFailsTheSaveWithItsLogLine) {
  const auto run = Edit({"select=1,1", "type=99999"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "Loading map-CableD\nData loaded\nError in data\n");
  EXPECT_EQ(run.err, "tarno-cli: Error in data\n");
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(CliEdit, BadCommandsStopBeforeAnythingIsWritten) {
  for (const std::vector<std::string>& commands :
       std::vector<std::vector<std::string>>{{"sort-rows", "bogus"}, {"select=1"}, {"select=a,2"}, {"find"},
                                             {"select=0,1"}, {"select=1,1001"}, {"select=43,1"}}) {
    const auto run = Edit(commands);
    EXPECT_EQ(run.exitCode, 2) << commands.back();
    EXPECT_NE(run.err.find(commands.back()), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(Out())) << commands.back();
  }
  const auto missing = RunProgram("tarno-cli", {"edit", "--ini", kSettings, Source()});
  EXPECT_EQ(missing.exitCode, 2);
}

}  // namespace
}  // namespace tarno
