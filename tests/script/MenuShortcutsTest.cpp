#include <gtest/gtest.h>

#include "MenuShortcuts.h"

namespace tarno {
namespace {

TEST(MenuShortcuts, TextNamesModifiersInFixedOrderThenTheKey) {
  EXPECT_EQ(ShortCutToText(ShortCut('A', kSsCtrl)), "Ctrl+A");
  EXPECT_EQ(ShortCutToText(ShortCut(0x70, kSsAlt | kSsShift | kSsCtrl)), "Shift+Ctrl+Alt+F1");
  EXPECT_EQ(ShortCutToText(0x2E), "Del");
  EXPECT_EQ(ShortCutToText(0x22), "PgDn");
  EXPECT_EQ(ShortCutToText(0x65), "5");  // numeric keypad digit
  EXPECT_EQ(ShortCutToText(0x87), "F24");
  EXPECT_EQ(ShortCutToText(0x07), "");   // no name, no shortcut text
  EXPECT_EQ(ShortCutToText(kShortCutCtrl), "");
}

TEST(MenuShortcuts, TextParsesBackWhateverTheCaseAndCaretForCtrl) {
  EXPECT_EQ(TextToShortCut("Ctrl+A"), ShortCut('A', kSsCtrl));
  EXPECT_EQ(TextToShortCut("alt+shift+f12"), ShortCut(0x7B, kSsAlt | kSsShift));
  EXPECT_EQ(TextToShortCut("^S"), ShortCut('S', kSsCtrl));
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), 0);
  EXPECT_EQ(TextToShortCut(""), 0);
  // Digits name the main keys, not the keypad's.
  EXPECT_EQ(TextToShortCut("7"), 0x37);
  for (unsigned key = 0x08; key <= 0xFF; ++key) {
    const std::string text = ShortCutToText(static_cast<uint16_t>(key | kShortCutShift));
    if (text.empty() || (key >= 0x60 && key <= 0x69)) continue;
    EXPECT_EQ(TextToShortCut(text), key | kShortCutShift) << text;
  }
}

TEST(MenuShortcuts, KeyAndShiftStateSplitAndJoin) {
  uint16_t key = 0;
  uint32_t shift = 0;
  ShortCutToKey(ShortCut(0x0D, kSsShift | kSsAlt), key, shift);
  EXPECT_EQ(key, 0x0D);
  EXPECT_EQ(shift, kSsShift | kSsAlt);
  EXPECT_EQ(ShortCut(0x141, kSsCtrl), 0);  // a key beyond a byte has no shortcut
}

}  // namespace
}  // namespace tarno
