#include <gtest/gtest.h>

#include "AnsiText.h"
#include "Utf.h"

namespace tarno {
namespace {

TEST(AnsiText, EveryByteMapsToAUnicodeUnitAndBack) {
  for (int byte = 0; byte < 256; ++byte)
    EXPECT_EQ(UnicodeToAnsi(AnsiToUnicode(static_cast<uint8_t>(byte))), byte);
}

TEST(AnsiText, Utf16ThroughUtf8KeepsEveryUnit) {
  std::u16string all;
  for (int unit = 1; unit <= 0xFFFF; ++unit) all += static_cast<char16_t>(unit);
  all += u"\U0001F600";
  EXPECT_EQ(text::Utf8ToUtf16(text::Utf16ToUtf8(all)), all);  // lone surrogates included
}

TEST(AnsiText, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(text::Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(text::Utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");
  EXPECT_EQ(text::Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(text::Utf8ToUtf16("\xE2\x82\xAC"), u"\u20AC");
}

}  // namespace
}  // namespace tarno
