// Taking the grid back: cells nobody edited keep their fields' bytes, edited
// cells are converted, and in displayed order moved rows carry whole records.
#include <gtest/gtest.h>

#include "FakeScriptHost.h"
#include "ModelTestSupport.h"

namespace tarno {
namespace {

using test::Bytes;
using test::WithRecords;

// Every kind of field whose text does not hold all of its bytes: a text with
// blanks at its ends (trimmed), a text with bytes behind its zero, a script
// field that shows only its first byte, a number, a field without text and a
// byte sum that is wrong in the first record.
const char* kLossy =
    "[F]\n"
    "ITEM = Padded, 4, 1, /, , 1\n"
    "ITEM = Name, 4, 1, /, $00, 2\n"
    "ITEM = Peek, 2, 1, #Peek, , 3\n"
    "ITEM = Nr, 1, 1, #, , 4\n"
    "ITEM = Raw, 1, 1, !, , 5\n"
    "ITEM = Check, 1, 1, ^, , 6\n";

TDataByteArray Summed(TDataByteArray record) {
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < record.size(); ++i) sum = static_cast<uint8_t>(sum + record[i]);
  record.back() = sum;
  return record;
}

std::vector<TDataByteArray> LossyRecords() {
  return {Bytes({' ', 'A', ' ', ' ', 'B', 0, 'x', 'y', 7, 8, 1, 0xE1, 0x55}),
          Summed(Bytes({' ', ' ', 'C', ' ', 'D', 'E', 0, 'z', 9, 10, 2, 0xE2, 0})),
          Summed(Bytes({'F', 'G', 'H', 'I', 0, 0, 0, 'w', 11, 12, 3, 0xE3, 0}))};
}

// Peek shows the first element's byte alone and stores the shown digit into
// the first element, zeros into the others.
class PeekScript {
 public:
  PeekScript() {
    host_.functions["Peek_DataToText"] = [](test::FakeArgs& a) {
      if (a.text.empty()) a.text = std::u16string(1, static_cast<char16_t>(u'0' + a.bytes[0] % 10));
      return 1;
    };
    host_.functions["Peek_TextToData"] = [](test::FakeArgs& a) {
      a.bytes[0] = a.text.empty() ? 0 : a.text[0] - u'0';
      a.text.clear();
      return 1;
    };
  }
  int Calls() const { return host_.calls; }

 private:
  test::FakeScriptHost host_;
  test::ScopedScript scoped_{&host_};
};

// The lossy records loaded into a grid.
class TakeBack : public ::testing::Test {
 protected:
  void SetUp() override { Reload(); }
  // Fresh records, every cell filled again from them (and so not edited).
  void Reload() {
    data = WithRecords(kLossy, LossyRecords());
    data.FillGrid(&grid);
  }

  PeekScript script;
  TDataObject data{Layout{}};
  grid::CellStore grid;
};

TEST_F(TakeBack, UneditedCellsKeepEveryByteInBothOrders) {
  for (const bool displayedOrder : {false, true}) {
    Reload();
    ASSERT_EQ(grid.Text(1, 1), "A");  // what the cells show loses bytes
    ASSERT_EQ(grid.Text(2, 1), "Bxy");
    ASSERT_EQ(grid.Text(3, 1), "7");
    const int callsAfterFill = script.Calls();
    ASSERT_TRUE(data.GridToRecords(&grid, displayedOrder));
    EXPECT_EQ(data.Records, LossyRecords()) << displayedOrder;
    EXPECT_EQ(script.Calls(), callsAfterFill) << "no script call for cells nobody edited";
  }
}

TEST_F(TakeBack, AnEditedCellRewritesOnlyItsField) {
  for (const bool displayedOrder : {false, true}) {
    Reload();
    grid.SetText(2, 2, "Q");
    grid.SetText(3, 3, "5");
    grid.SetText(1, 1, "typed");
    grid.SetText(1, 1, "A");  // typed back to what it showed: edited all the same
    ASSERT_TRUE(data.GridToRecords(&grid, displayedOrder));
    std::vector<TDataByteArray> expected = LossyRecords();
    expected[0][0] = 'A';
    expected[0][1] = expected[0][2] = expected[0][3] = 0;
    expected[1][4] = 'Q';
    expected[1][5] = expected[1][6] = expected[1][7] = 0;  // the whole field from its text
    expected[2][8] = 5;
    expected[2][9] = 0;
    EXPECT_EQ(data.Records, expected) << displayedOrder;
  }
}

TEST_F(TakeBack, KeptOrderAfterSortingWritesEditsIntoTheirOwnRecords) {
  grid.MoveRow(3, 1);
  grid.SetText(4, 1, "99");  // row 1 shows record 2
  ASSERT_TRUE(data.GridToRecords(&grid, false));
  std::vector<TDataByteArray> expected = LossyRecords();
  expected[2][10] = 99;
  EXPECT_EQ(data.Records, expected);
}

// Moving rows and saving in the grid's order moves whole records: the check
// byte and the field without text go with their channel, not with the position.
TEST_F(TakeBack, DisplayedOrderMovesWholeRecordsAndRetagsTheRows) {
  grid.MoveRow(3, 1);  // records 2, 0, 1
  grid.SetText(2, 3, "Q");  // record 1, now at position 2
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  const std::vector<TDataByteArray> original = LossyRecords();
  TDataByteArray edited = original[1];
  edited[4] = 'Q';
  edited[5] = edited[6] = edited[7] = 0;
  EXPECT_EQ(data.Records, (std::vector<TDataByteArray>{original[2], original[0], edited}));
  // The cells now name the records that hold them, so later commands and saves find them.
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c < grid.ColCount(); ++c) EXPECT_EQ(grid.Tag(c, r) >> 16, r - 1);
  const auto saved = data.Records;
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records, saved);
  ASSERT_TRUE(data.GridToRecords(&grid, false));
  EXPECT_EQ(data.Records, saved);
}

// A failed take-back in the grid's order writes nothing: the cells still name
// the old positions, so a half-reordered record list could not be read again.
TEST_F(TakeBack, AFailureWithMovedRowsLeavesTheRecordsAsTheyWere) {
  grid.MoveRow(1, 3);  // records 1, 2, 0
  grid.SetText(4, 3, "");  // a number without default cannot be empty
  EXPECT_FALSE(data.GridToRecords(&grid, true));
  EXPECT_EQ(data.Records, LossyRecords());
  EXPECT_EQ(grid.Tag(1, 3) >> 16, 0);
  grid.SetText(4, 3, "42");
  ASSERT_TRUE(data.GridToRecords(&grid, true));
  TDataByteArray first = LossyRecords()[0];
  first[10] = 42;
  EXPECT_EQ(data.Records, (std::vector<TDataByteArray>{LossyRecords()[1], LossyRecords()[2], first}));
}

// What the model itself writes into a cell is the record's own text.
TEST_F(TakeBack, CellsTheModelRedisplaysAreNotEdited) {
  for (int c = 1; c < grid.ColCount(); ++c) EXPECT_FALSE(grid.Edited(c, 1)) << c;
  // The renumber commands write a number through and show it again.
  grid.SetText(4, 2, "17");
  ASSERT_TRUE(data.CellToData(&grid, 4, false, 2));
  ASSERT_TRUE(data.CellFromData(&grid, 4, false, 2));
  EXPECT_FALSE(grid.Edited(4, 2));
  grid.SetText(2, 3, "typed");
  ASSERT_TRUE(data.ClearRow(&grid, 3));
  EXPECT_FALSE(grid.Edited(2, 3));
  EXPECT_EQ(data.Records[2][4], 0);
}

}  // namespace
}  // namespace tarno
