// How MessageBox reaches the user. The main window installs a Qt message box;
// without one the message goes to stderr and the box's default button is
// taken as pressed.
#pragma once

#include <functional>
#include <string>

namespace tarno {

// msg, caption, Windows style bits (MB_*); returns the pressed button's ID* code.
using MessageBoxHook = std::function<int(const std::string& msg, const std::string& caption, int mode)>;

// An empty hook restores the headless default.
void SetMessageBoxHook(MessageBoxHook hook);
int ShowScriptMessageBox(const std::string& msg, const std::string& caption, int mode);

// The ID* code of the default button of a box with these style bits: buttons
// in bits 0-3 (MB_OK ... MB_CANCELTRYCONTINUE), default button in bits 8-11;
// a default past the last button falls back to the first, as Windows does.
int DefaultButtonCode(int mode);

}  // namespace tarno
