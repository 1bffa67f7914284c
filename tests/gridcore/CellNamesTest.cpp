#include <gtest/gtest.h>

#include "CellNames.h"

namespace tarno::grid {
namespace {

TEST(CellNames, ColumnLettersBothWays) {
  const std::pair<int, const char*> columns[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}};
  for (const auto& [col, letters] : columns) {
    EXPECT_EQ(A1ColumnLetters(col), letters);
    EXPECT_EQ(ReadA1(std::string(letters) + "7"), (CellRef{col, 7})) << letters;
  }
  EXPECT_EQ(A1Name(27, 5), "AA5");
  EXPECT_EQ(ReadA1("b7"), (CellRef{2, 7}));
  EXPECT_EQ(ReadA1("12"), (CellRef{0, 12}));  // no letter: column 0
}

TEST(CellNames, UnreadableReferences) {
  for (const char* text : {"", "A", "AB", "ABC1", "A-1", "A+1", "A1x", "A 1", "1A", "A99999999999"})
    EXPECT_FALSE(ReadA1(text)) << text;
}

TEST(CellNames, AddRefusesDuplicatesAndKeepsOrder) {
  CellNames names;
  EXPECT_TRUE(names.Add("total", "C3"));
  EXPECT_TRUE(names.Add("first", "A1"));
  EXPECT_FALSE(names.Add("total", "D4"));
  EXPECT_FALSE(names.Add("TOTAL", "D4"));  // formulas read names in any case, so these would clash
  EXPECT_EQ(DuplicateNameMessage("total"), "Name total allready exists");
  ASSERT_EQ(names.Entries().size(), 2u);
  EXPECT_EQ(names.Entries()[0], "total=C3");
  EXPECT_EQ(names.Entries()[1], "first=A1");
}

TEST(CellNames, NameOfACellIsTheFirstExactReference) {
  CellNames names;
  EXPECT_FALSE(names.NameOfCell(3, 3));
  names.Add("lower", "c3");
  names.Add("total", "C3");
  names.Add("again", "C3");
  EXPECT_EQ(names.NameOfCell(3, 3), "total");
  EXPECT_EQ(names.CellOfName("LOWER"), (CellRef{3, 3}));
  EXPECT_FALSE(names.CellOfName("missing"));
}

TEST(CellNames, DeleteAndEntriesWithEmptyParts) {
  CellNames names;
  names.Add("", "");
  names.Add("a", "A1=B2");
  EXPECT_EQ(EntryName(names.Entries()[1]), "a");
  EXPECT_EQ(EntryReference(names.Entries()[1]), "A1=B2");
  EXPECT_FALSE(names.CellOfName(""));
  names.Delete(0);
  names.Delete(5);
  ASSERT_EQ(names.Entries().size(), 1u);
  EXPECT_EQ(EntryName(names.Entries()[0]), "a");
}

}  // namespace
}  // namespace tarno::grid
