#include "MessageBoxHook.h"

#include <iostream>
#include <utility>
#include <vector>

#include "UserWait.h"

namespace tarno {

namespace {

enum ButtonId { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7, IDTRYAGAIN = 10, IDCONTINUE = 11 };

std::vector<int> ButtonsOf(int mode) {
  switch (mode & 0xF) {
    case 1: return {IDOK, IDCANCEL};
    case 2: return {IDABORT, IDRETRY, IDIGNORE};
    case 3: return {IDYES, IDNO, IDCANCEL};
    case 4: return {IDYES, IDNO};
    case 5: return {IDRETRY, IDCANCEL};
    case 6: return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default: return {IDOK};
  }
}

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

}  // namespace

int DefaultButtonCode(int mode) {
  const std::vector<int> buttons = ButtonsOf(mode);
  const size_t chosen = static_cast<size_t>((mode >> 8) & 0xF);
  return chosen < buttons.size() ? buttons[chosen] : buttons.front();
}

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

int ShowScriptMessageBox(const std::string& msg, const std::string& caption, int mode) {
  if (Hook()) {
    const ScopedUserWait answering;
    return Hook()(msg, caption, mode);
  }
  std::cerr << caption << ": " << msg << std::endl;
  return DefaultButtonCode(mode);
}

}  // namespace tarno
