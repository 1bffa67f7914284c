#include "ScriptMessageBox.h"

namespace tarno::window {

std::vector<BoxButton> MessageBoxButtons(int mode) {
  switch (mode & 0xF) {
    case 1: return {{kIdOk, "OK"}, {kIdCancel, "Cancel"}};
    case 2: return {{kIdAbort, "&Abort"}, {kIdRetry, "&Retry"}, {kIdIgnore, "&Ignore"}};
    case 3: return {{kIdYes, "&Yes"}, {kIdNo, "&No"}, {kIdCancel, "Cancel"}};
    case 4: return {{kIdYes, "&Yes"}, {kIdNo, "&No"}};
    case 5: return {{kIdRetry, "&Retry"}, {kIdCancel, "Cancel"}};
    case 6: return {{kIdCancel, "Cancel"}, {kIdTryAgain, "&Try Again"}, {kIdContinue, "&Continue"}};
    default: return {{kIdOk, "OK"}};
  }
}

BoxIcon MessageBoxIcon(int mode) {
  switch (mode & 0xF0) {
    case 0x10: return BoxIcon::Error;
    case 0x20: return BoxIcon::Question;
    case 0x30: return BoxIcon::Warning;
    case 0x40: return BoxIcon::Information;
    default: return BoxIcon::None;
  }
}

int EscapeButtonCode(int mode) {
  const std::vector<BoxButton> buttons = MessageBoxButtons(mode);
  if (buttons.size() == 1) return buttons.front().code;
  for (const BoxButton& button : buttons)
    if (button.code == kIdCancel) return kIdCancel;
  return 0;
}

}  // namespace tarno::window
