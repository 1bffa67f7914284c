#include "ColumnLabel.h"

#include <gtest/gtest.h>

namespace tarno::grid {
namespace {

TEST(ColumnLabel, LettersCountLikeASpreadsheet) {
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(26), "Z");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(52), "AZ");
  EXPECT_EQ(ColumnLetters(53), "BA");
  EXPECT_EQ(ColumnLetters(702), "ZZ");
  EXPECT_EQ(ColumnLetters(703), "AAA");
  EXPECT_EQ(ColumnLabel(45, false), "45");
  EXPECT_EQ(ColumnLabel(45, true), "AS");
}

}  // namespace
}  // namespace tarno::grid
