#include <gtest/gtest.h>

#include "TextFunctions.h"

namespace tarno {
namespace {

struct ValIntCase {
  const char* text;
  int32_t value;
  int32_t code;
};

// Expected values as the reference runner gives them.
TEST(ValInt, ReadsDecimalAndHexadecimalWithErrorPositions) {
  const ValIntCase cases[] = {
      {"123", 123, 0},          {"-123", -123, 0},   {"+5", 5, 0},
      {"  9", 9, 0},            {"9 ", 0, 2},        {"", 0, 1},
      {"   ", 0, 4},            {"12a", 0, 3},       {"abc", 0, 1},
      {"$FF", 255, 0},          {"xff", 255, 0},     {"0x1A", 26, 0},
      {"0XdeadBEEF", -559038737, 0}, {"$FFFFFFFF", -1, 0}, {"$100000000", 0, 10},
      {"$000000001", 1, 0},     {"2147483647", 2147483647, 0}, {"2147483648", 0, 10},
      {"-2147483648", -2147483647 - 1, 0}, {"-2147483649", 0, 11}, {"-", 0, 2},
      {"$", 0, 2},              {"--1", 0, 2},       {"  $1F", 31, 0},
  };
  for (const ValIntCase& c : cases) {
    const ValIntResult read = ValIntOf(c.text);
    EXPECT_EQ(read.code, c.code) << '[' << c.text << ']';
    if (c.code == 0) {
      EXPECT_EQ(read.value, c.value) << '[' << c.text << ']';
    }
  }
}

TEST(ValExt, ReadsFloatsWithAFullStopOnly) {
  EXPECT_EQ(ValExtOf("  -2.5E3").value, -2500.0);
  EXPECT_EQ(ValExtOf("  -2.5E3").code, 0);
  EXPECT_EQ(ValExtOf("1.").code, 0);
  EXPECT_EQ(ValExtOf(".5").value, 0.5);
  EXPECT_EQ(ValExtOf("+7e-1").value, 0.7);
  EXPECT_EQ(ValExtOf("").code, 1);
  EXPECT_EQ(ValExtOf("1,5").code, 2);
  EXPECT_EQ(ValExtOf("1e").code, 3);
  EXPECT_EQ(ValExtOf("1e+").code, 4);
  EXPECT_EQ(ValExtOf(".").code, 2);
  EXPECT_EQ(ValExtOf("1.5x").code, 4);
  EXPECT_NE(ValExtOf("1e99999").code, 0);
}

TEST(IntToHexText, ShowsThe32BitPattern) {
  EXPECT_EQ(IntToHexText(255), "FF");
  EXPECT_EQ(IntToHexText(0), "0");
  EXPECT_EQ(IntToHexText(-1), "FFFFFFFF");
  EXPECT_EQ(IntToHexText(-2147483647 - 1), "80000000");
}

TEST(PosCopyDelete, StayWithinTheText) {
  EXPECT_EQ(PosOf(";", "a;b;c"), 2);
  EXPECT_EQ(PosOf("", "abc"), 0);
  EXPECT_EQ(PosOf("x", ""), 0);
  EXPECT_EQ(CopyOf("abcdef", 0, 2), "ab");
  EXPECT_EQ(CopyOf("abcdef", -5, 3), "abc");
  EXPECT_EQ(CopyOf("abcdef", 5, 100), "ef");
  EXPECT_EQ(CopyOf("abcdef", 7, 1), "");
  EXPECT_EQ(CopyOf("abcdef", 2, 0), "");
  EXPECT_EQ(CopyOf("abcdef", 2, -1), "");
  std::string text = "abcdef";
  DeleteFrom(text, 0, 2);
  DeleteFrom(text, 7, 1);
  DeleteFrom(text, 2, 0);
  EXPECT_EQ(text, "abcdef");
  DeleteFrom(text, 5, 100);
  EXPECT_EQ(text, "abcd");
  DeleteFrom(text, 2, 2);
  EXPECT_EQ(text, "ad");
}

}  // namespace
}  // namespace tarno
