// The buttons, icon and Escape answer of a script's message box by its style bits.
#include <gtest/gtest.h>

#include "ScriptMessageBox.h"

namespace tarno::window {
namespace {

std::vector<int> Codes(int mode) {
  std::vector<int> codes;
  for (const BoxButton& button : MessageBoxButtons(mode)) codes.push_back(button.code);
  return codes;
}

TEST(ScriptMessageBoxTest, ButtonSetsFollowTheLowBits) {
  EXPECT_EQ(Codes(0), std::vector<int>({kIdOk}));
  EXPECT_EQ(Codes(1), std::vector<int>({kIdOk, kIdCancel}));
  EXPECT_EQ(Codes(2), std::vector<int>({kIdAbort, kIdRetry, kIdIgnore}));
  EXPECT_EQ(Codes(3), std::vector<int>({kIdYes, kIdNo, kIdCancel}));
  EXPECT_EQ(Codes(4 | 0x20 | 0x100), std::vector<int>({kIdYes, kIdNo}));
  EXPECT_EQ(Codes(5), std::vector<int>({kIdRetry, kIdCancel}));
  EXPECT_EQ(Codes(6), std::vector<int>({kIdCancel, kIdTryAgain, kIdContinue}));
}

TEST(ScriptMessageBoxTest, IconsAndEscape) {
  EXPECT_EQ(MessageBoxIcon(0x10), BoxIcon::Error);
  EXPECT_EQ(MessageBoxIcon(0x24), BoxIcon::Question);
  EXPECT_EQ(MessageBoxIcon(0x30), BoxIcon::Warning);
  EXPECT_EQ(MessageBoxIcon(0x41), BoxIcon::Information);
  EXPECT_EQ(MessageBoxIcon(1), BoxIcon::None);
  EXPECT_EQ(EscapeButtonCode(0), kIdOk);
  EXPECT_EQ(EscapeButtonCode(3), kIdCancel);
  EXPECT_EQ(EscapeButtonCode(4), 0);  // Yes/No cannot be dismissed
  EXPECT_EQ(EscapeButtonCode(2), 0);
}

}  // namespace
}  // namespace tarno::window
