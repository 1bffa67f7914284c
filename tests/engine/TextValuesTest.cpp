// Texts between the 8-bit and the wide form: the short ASCII path that skips
// the heap must give the same text as the general conversion, on both sides
// of the inline limit and for non-ASCII text.
#include <gtest/gtest.h>

#include "text.h"
#include "text_values.h"

namespace pscript {
namespace {

TEST(TextValues, ShortAndLongTextsConvertAlikeBothWays) {
  const char* const texts[] = {"", "100", "abcdef", "abcdefg", "twelve chars", "thirteen char",
                               "Gr\xC3\xBC\xC3\x9F" "e", "\xE2\x82\xAC"};
  for (std::string_view ansi : texts) {
    const Value wide = wideValueOfAnsi(ansi);
    EXPECT_EQ(wide.type(), varOleStr) << ansi;
    EXPECT_EQ(wide.rawWideString(), utf8ToUtf16(ansi)) << ansi;
    const Value back = ansiValueOfWide(wide.rawWideString());
    EXPECT_EQ(back.type(), varString) << ansi;
    EXPECT_EQ(back.rawString(), ansi);
  }
}

// Every length up to the inline limit and one beyond it keeps every byte.
TEST(TextValues, EveryShortLengthKeepsItsBytes) {
  const std::string source = "0123456789abcdef";
  for (size_t n = 0; n <= Value::kInlineTextBytes + 1; ++n) {
    const std::string_view text(source.data(), n);
    EXPECT_EQ(Value::string(text).rawString(), text) << n;
    EXPECT_EQ(wideValueOfAnsi(text).rawWideString(), utf8ToUtf16(text)) << n;
  }
}

}  // namespace
}  // namespace pscript
