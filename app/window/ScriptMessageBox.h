// What a message box with Windows style bits (MB_*) looks like: its buttons,
// their return codes, its icon and which button Escape presses.
#pragma once

#include <string>
#include <vector>

namespace tarno::window {

// The ID* return codes.
enum ButtonCode {
  kIdOk = 1, kIdCancel = 2, kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5, kIdYes = 6, kIdNo = 7,
  kIdTryAgain = 10, kIdContinue = 11,
};

struct BoxButton {
  int code;
  std::string label;
};

enum class BoxIcon { None, Error, Question, Warning, Information };

// The buttons of the style in bits 0-3, left to right; an unknown set gives OK.
std::vector<BoxButton> MessageBoxButtons(int mode);
// The icon of bits 4-7.
BoxIcon MessageBoxIcon(int mode);
// The code Escape and the close box return: Cancel where the box has one, OK
// for a box with only OK; 0 where the box cannot be dismissed that way.
int EscapeButtonCode(int mode);

}  // namespace tarno::window
