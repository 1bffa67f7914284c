#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SortEngine.h"

namespace tarno::grid {
namespace {

// A grid with a header row and one row per key: column 1 holds the key,
// column 2 a label naming the row's original position, every cell a tag.
CellStore KeyGrid(const std::vector<std::string>& keys) {
  CellStore cells;
  cells.SetColCount(3);
  cells.SetRowCount(static_cast<int>(keys.size()) + 1);
  cells.SetText(1, 0, "key");
  for (size_t i = 0; i < keys.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    cells.SetText(1, r, keys[i]);
    cells.SetText(2, r, "row" + std::to_string(r));
    cells.SetTag(1, r, r * 65536 + 1);
    cells.SetTag(2, r, r * 65536 + 2);
  }
  return cells;
}

std::vector<std::string> Column(const CellStore& cells, int col) {
  std::vector<std::string> texts;
  for (int r = 1; r < cells.RowCount(); ++r) texts.emplace_back(cells.Text(col, r));
  return texts;
}

SortEngine RowSort(const CellStore& cells, ToSortType type) {
  SortEngine engine;
  engine.StartIndex = 1;
  engine.EndIndex = cells.RowCount() - 1;
  engine.SortIndex = 1;
  engine.SortType = type;
  return engine;
}

using Texts = std::vector<std::string>;

TEST(SortEngine, DefaultsAreACharacterAscendingRowSortWithoutMessages) {
  const SortEngine engine;
  EXPECT_EQ(engine.StartIndex, 0);
  EXPECT_EQ(engine.EndIndex, 0);
  EXPECT_EQ(engine.SortIndex, 0);
  EXPECT_EQ(engine.SortType, ToSortType::tstCharacter);
  EXPECT_FALSE(engine.CaseSensitiv);
  EXPECT_EQ(engine.SortDirection, SortDirType::Ascending);
  EXPECT_EQ(engine.HowToSort, SortAxis::stRow);
  EXPECT_FALSE(engine.ShowMessageOnError);
}

TEST(SortEngine, CharacterOrderComparesBytesAfterUpperCasingUnlessCaseSensitive) {
  for (bool caseSensitive : {false, true}) {
    CellStore cells = KeyGrid({"b", "A", "c"});
    SortEngine engine = RowSort(cells, ToSortType::tstCharacter);
    engine.CaseSensitiv = caseSensitive;
    EXPECT_TRUE(engine.ApplySort(cells));
    EXPECT_EQ(Column(cells, 1), (Texts{"A", "b", "c"})) << caseSensitive;
    EXPECT_EQ(engine.SortResult(), 0);
    EXPECT_EQ(engine.SortMessage(), "Ok");
  }
  CellStore insensitive = KeyGrid({"a", "B"});
  RowSort(insensitive, ToSortType::tstCharacter).ApplySort(insensitive);
  EXPECT_EQ(Column(insensitive, 1), (Texts{"a", "B"}));

  CellStore sensitive = KeyGrid({"a", "B"});
  SortEngine engine = RowSort(sensitive, ToSortType::tstCharacter);
  engine.CaseSensitiv = true;
  engine.ApplySort(sensitive);
  EXPECT_EQ(Column(sensitive, 1), (Texts{"B", "a"}));
}

TEST(SortEngine, CharacterOrderPutsPrefixesFirstAndHighBytesLast) {
  CellStore cells = KeyGrid({"ab", "\xC3\xA9", "a", "", "Z"});
  RowSort(cells, ToSortType::tstCharacter).ApplySort(cells);
  EXPECT_EQ(Column(cells, 1), (Texts{"", "a", "ab", "Z", "\xC3\xA9"}));
}

TEST(SortEngine, KeyEncoderDecidesTheBytesCompared) {
  CellStore cells = KeyGrid({"x1", "y2", "z3"});
  SortEngine engine = RowSort(cells, ToSortType::tstCharacter);
  engine.EncodeKey = [](std::string_view text, std::string& key) { key.assign(text.rbegin(), text.rend()); };
  engine.ApplySort(cells);
  EXPECT_EQ(Column(cells, 1), (Texts{"x1", "y2", "z3"}));
  engine.EncodeKey = [](std::string_view text, std::string& key) { key = text == "z3" ? "0" : "9"; };
  engine.ApplySort(cells);
  EXPECT_EQ(Column(cells, 1).front(), "z3");
}

TEST(SortEngine, NumericOrderComparesValues) {
  CellStore cells = KeyGrid({"10", "9", "100", " -3", "+4"});
  SortEngine engine = RowSort(cells, ToSortType::tstNumeric);
  EXPECT_TRUE(engine.ApplySort(cells));
  EXPECT_EQ(Column(cells, 1), (Texts{" -3", "+4", "9", "10", "100"}));
  EXPECT_EQ(engine.SortResult(), 0);
  EXPECT_EQ(engine.SortType, ToSortType::tstNumeric);
}

TEST(SortEngine, NonNumericKeyFallsBackToUpperCasedCharacterOrderSilently) {
  CellStore cells = KeyGrid({"10", "9", "100", "9a"});
  SortEngine engine = RowSort(cells, ToSortType::tstNumeric);
  int messages = 0;
  engine.OnMessage = [&messages](SortMessageKind, const std::string&) { ++messages; };
  EXPECT_TRUE(engine.ApplySort(cells));
  EXPECT_EQ(Column(cells, 1), (Texts{"10", "100", "9", "9a"}));
  EXPECT_EQ(engine.SortResult(), -1);
  EXPECT_EQ(engine.SortMessage(), "Column/Row contains non-numerical values for numeric sort. Sorted as Character.");
  EXPECT_EQ(engine.SortType, ToSortType::tstCharacter);  // the fall-back stays
  EXPECT_EQ(messages, 0);
}

TEST(SortEngine, WarningsAreShownAfterSortingWhenAsked) {
  CellStore cells = KeyGrid({"b", "a", "1"});
  SortEngine engine = RowSort(cells, ToSortType::tstNumeric);
  engine.ShowMessageOnError = true;
  std::vector<std::pair<SortMessageKind, std::string>> shown;
  engine.OnMessage = [&](SortMessageKind kind, const std::string& text) {
    shown.emplace_back(kind, text);
    EXPECT_EQ(cells.Text(1, 1), "1");  // the grid is already sorted when the warning comes
  };
  EXPECT_TRUE(engine.ApplySort(cells));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].first, SortMessageKind::Warning);
  EXPECT_EQ(shown[0].second, engine.SortMessage());
}

TEST(SortEngine, CaseSensitivityIsNotedForNumericAndDateSorts) {
  CellStore numbers = KeyGrid({"2", "1"});
  SortEngine numeric = RowSort(numbers, ToSortType::tstNumeric);
  numeric.CaseSensitiv = true;
  EXPECT_TRUE(numeric.ApplySort(numbers));
  EXPECT_EQ(numeric.SortResult(), -3);
  EXPECT_EQ(numeric.SortMessage(), "Case Sensitivity ignored for Numeical Sort.");
  EXPECT_EQ(Column(numbers, 1), (Texts{"1", "2"}));

  // A failing key later in the range still falls back.
  CellStore mixed = KeyGrid({"2", "x"});
  numeric.SortType = ToSortType::tstNumeric;
  EXPECT_TRUE(numeric.ApplySort(mixed));
  EXPECT_EQ(numeric.SortResult(), -1);

  CellStore dates = KeyGrid({"2024-03-01", "2023-12-31"});
  SortEngine date = RowSort(dates, ToSortType::tstDate);
  date.CaseSensitiv = true;
  EXPECT_TRUE(date.ApplySort(dates));
  EXPECT_EQ(date.SortResult(), -4);
  EXPECT_EQ(date.SortMessage(), "Case Sensitivity ignored for Date Sort.");
  EXPECT_EQ(Column(dates, 1), (Texts{"2023-12-31", "2024-03-01"}));
}

TEST(SortEngine, DateOrderComparesCalendarDaysAndFallsBackOnOtherText) {
  CellStore dates = KeyGrid({"2024-02-29", " 1999-12-31 ", "2024-01-31", "0001-01-01"});
  SortEngine engine = RowSort(dates, ToSortType::tstDate);
  EXPECT_TRUE(engine.ApplySort(dates));
  EXPECT_EQ(engine.SortResult(), 0);
  EXPECT_EQ(Column(dates, 1), (Texts{"0001-01-01", " 1999-12-31 ", "2024-01-31", "2024-02-29"}));

  for (const char* notADate : {"2023-02-29", "2024-13-01", "2024-1-01", "01.02.2024", ""}) {
    CellStore cells = KeyGrid({"2024-01-02", notADate});
    SortEngine fallback = RowSort(cells, ToSortType::tstDate);
    EXPECT_TRUE(fallback.ApplySort(cells));
    EXPECT_EQ(fallback.SortResult(), -2) << notADate;
    EXPECT_EQ(fallback.SortMessage(), "Column/Row contains non-date values for date sort. Sorted as Character.");
    EXPECT_EQ(fallback.SortType, ToSortType::tstCharacter);
  }
}

TEST(SortEngine, IntegerCheckTakesSignsBlanksAndHexPrefixesWithinThirtyTwoBits) {
  for (const char* key : {"0", "  12", "+5", "-5", "2147483647", "-2147483648", "$7FFFFFFF", "$ff", "x1F", "X1f",
                          "0x10", "0X10", "-$10", "007"})
    EXPECT_TRUE(PassesIntegerCheck(key)) << key;
  for (const char* key : {"", " ", "+", "-", "$", "0x", "12 ", "1.5", "1e3", "2147483648", "-2147483649",
                          "$80000000", "9a", "\t1", "0x1G", "--1", "1-"})
    EXPECT_FALSE(PassesIntegerCheck(key)) << key;
}

TEST(SortEngine, HexadecimalKeyAbandonsTheNumericSortLeavingTheGridAsItWas) {
  CellStore cells = KeyGrid({"3", "$1F", "1"});
  SortEngine engine = RowSort(cells, ToSortType::tstNumeric);
  try {
    engine.ApplySort(cells);
    FAIL() << "no conversion error";
  } catch (const SortConversionError& error) {
    EXPECT_STREQ(error.what(), "'$1F' is not a valid floating point value");
  }
  EXPECT_EQ(Column(cells, 1), (Texts{"3", "$1F", "1"}));
  EXPECT_EQ(cells.Tag(1, 2), 2 * 65536 + 1);
}

TEST(SortEngine, ValidationStopsAtTheFirstFailureAndSortsNothing) {
  struct Case {
    int start, end, index, code;
    const char* text;
  };
  const Case cases[] = {
      {2, 2, 1, 2, "StartIndex is greater or equal to EndIndex"},
      {-1, -1, 9, 2, "StartIndex is greater or equal to EndIndex"},
      {-1, 3, 9, 3, "StartIndex is less then 0"},
      {6, 7, -1, 4, "StartIndex is greater then number of rows/columns in StringGrid"},
      {1, 6, -1, 5, "EndIndex is greater then number of rows/columns in StringGrid"},
      {1, 5, -1, 6, "Sort Index is less then 0"},
      {1, 5, 3, 7, "Sort Index is greater then number of rows/columns in StringGrid"},
  };
  for (const Case& c : cases) {
    CellStore cells = KeyGrid({"e", "d", "c", "b", "a"});
    SortEngine engine;
    engine.StartIndex = c.start;
    engine.EndIndex = c.end;
    engine.SortIndex = c.index;
    engine.SortType = ToSortType::tstNumeric;
    engine.ShowMessageOnError = true;
    std::vector<std::pair<SortMessageKind, std::string>> shown;
    engine.OnMessage = [&shown](SortMessageKind kind, const std::string& text) { shown.emplace_back(kind, text); };
    EXPECT_FALSE(engine.ApplySort(cells)) << c.code;
    EXPECT_EQ(engine.SortResult(), c.code);
    EXPECT_EQ(engine.SortMessage(), c.text);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, SortMessageKind::Error);
    EXPECT_EQ(shown[0].second, c.text);
    EXPECT_EQ(engine.SortType, ToSortType::tstNumeric);  // keys are not checked after an error
    EXPECT_EQ(Column(cells, 1), (Texts{"e", "d", "c", "b", "a"}));
  }
  EXPECT_EQ(SortResultText(1), "No StringGrid given");
}

TEST(SortEngine, ErrorsStaySilentWithoutShowMessageOnError) {
  CellStore cells = KeyGrid({"b", "a"});
  SortEngine engine;
  int shown = 0;
  engine.OnMessage = [&shown](SortMessageKind, const std::string&) { ++shown; };
  EXPECT_FALSE(engine.ApplySort(cells));
  EXPECT_EQ(engine.SortResult(), 2);
  EXPECT_EQ(shown, 0);
}

TEST(SortEngine, RangeBeyondSixteenBitIndicesIsRefused) {
  CellStore cells;
  cells.SetRowCount(65537);
  SortEngine engine;
  engine.StartIndex = 1;
  engine.EndIndex = 65536;
  engine.SortIndex = 1;
  EXPECT_FALSE(engine.ApplySort(cells));
  EXPECT_EQ(engine.SortResult(), 5);
  engine.EndIndex = 65535;
  EXPECT_TRUE(engine.ApplySort(cells));
}

TEST(SortEngine, WholeRowsMoveWithTheirTagsAndRowsOutsideTheRangeStay) {
  CellStore cells = KeyGrid({"d", "c", "b", "a"});
  cells.SetCol(2);
  cells.SetRow(2);
  SortEngine engine;
  engine.StartIndex = 1;
  engine.EndIndex = 3;
  engine.SortIndex = 1;
  EXPECT_TRUE(engine.ApplySort(cells));
  EXPECT_EQ(Column(cells, 1), (Texts{"b", "c", "d", "a"}));
  EXPECT_EQ(Column(cells, 2), (Texts{"row3", "row2", "row1", "row4"}));
  EXPECT_EQ(cells.Tag(1, 1), 3 * 65536 + 1);
  EXPECT_EQ(cells.Tag(2, 1), 3 * 65536 + 2);
  EXPECT_EQ(cells.Tag(2, 3), 1 * 65536 + 2);
  EXPECT_EQ(cells.Text(1, 0), "key");
  EXPECT_EQ(cells.Tag(1, 4), 4 * 65536 + 1);
  EXPECT_EQ(cells.Row(), 2);  // the current cell is not moved
  EXPECT_EQ(cells.Col(), 2);
}

TEST(SortEngine, DescendingReversesTheAscendingResult) {
  CellStore cells = KeyGrid({"5", "5", "5", "5"});
  SortEngine engine = RowSort(cells, ToSortType::tstNumeric);
  engine.SortDirection = SortDirType::Descending;
  engine.ApplySort(cells);
  // Ascending leaves row3 row4 row1 row2 (see the quicksort test below).
  EXPECT_EQ(Column(cells, 2), (Texts{"row2", "row1", "row4", "row3"}));
}

TEST(SortEngine, EqualKeysLeaveTheOrderTheQuicksortProduces) {
  // Numeric: no bubble step, so even four equal keys are exchanged.
  CellStore numbers = KeyGrid({"5", "5", "5", "5"});
  RowSort(numbers, ToSortType::tstNumeric).ApplySort(numbers);
  EXPECT_EQ(Column(numbers, 2), (Texts{"row3", "row4", "row1", "row2"}));

  // Character: up to five entries are bubble-sorted, which keeps equal keys in place.
  CellStore fewNames = KeyGrid({"x", "X", "x", "X", "x"});
  RowSort(fewNames, ToSortType::tstCharacter).ApplySort(fewNames);
  EXPECT_EQ(Column(fewNames, 2), (Texts{"row1", "row2", "row3", "row4", "row5"}));

  // Seven equal keys: one partition reverses them, the bubbled parts stay.
  CellStore names = KeyGrid({"a", "A", "a", "A", "a", "A", "a"});
  RowSort(names, ToSortType::tstCharacter).ApplySort(names);
  EXPECT_EQ(Column(names, 2), (Texts{"row7", "row6", "row5", "row4", "row3", "row2", "row1"}));

  // Mixed keys: middle pivot "c", entries 0..6.
  CellStore mixed = KeyGrid({"c", "a", "c", "c", "b", "c", "a"});
  RowSort(mixed, ToSortType::tstCharacter).ApplySort(mixed);
  EXPECT_EQ(Column(mixed, 1), (Texts{"a", "a", "b", "c", "c", "c", "c"}));
  EXPECT_EQ(Column(mixed, 2), (Texts{"row7", "row2", "row5", "row6", "row4", "row3", "row1"}));
}

TEST(SortEngine, ColumnSortReordersColumnsByTheKeysOfOneRow) {
  CellStore cells;
  cells.SetColCount(4);
  cells.SetRowCount(3);
  const char* keys[] = {"", "c", "a", "b"};
  for (int c = 1; c < 4; ++c) {
    cells.SetText(c, 1, keys[c]);
    cells.SetSourceText(c, 2, "col" + std::to_string(c));
    cells.SetTag(c, 2, c);
  }
  cells.SetEdited(1, 2, true);
  SortEngine engine;
  engine.HowToSort = SortAxis::stColumn;
  engine.StartIndex = 1;
  engine.EndIndex = 3;
  engine.SortIndex = 1;
  EXPECT_TRUE(engine.ApplySort(cells));
  EXPECT_EQ(cells.Text(1, 2), "col2");
  EXPECT_EQ(cells.Text(2, 2), "col3");
  EXPECT_EQ(cells.Text(3, 2), "col1");
  EXPECT_EQ(cells.Tag(3, 2), 1);
  // The edited mark moves with its cell like the tag.
  EXPECT_TRUE(cells.Edited(3, 2));
  EXPECT_FALSE(cells.Edited(1, 2));
  EXPECT_FALSE(cells.Edited(2, 2));
  engine.EndIndex = 4;
  EXPECT_FALSE(engine.ApplySort(cells));
  EXPECT_EQ(engine.SortResult(), 5);
}

}  // namespace
}  // namespace tarno::grid
