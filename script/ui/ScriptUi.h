// Forms and controls for scripts through Qt widgets: the run-time side of the
// user-interface import libraries. A program that can show widgets installs
// it once at start; script hosts made after that bind the UI classes.
#pragma once

#include <functional>
#include <string>

namespace tarno::ui {

// Installs the UI runtime into the import sequences (UiRuntimeHook.h). The
// first form or control a script makes creates a QApplication when there is
// none (on Qt's offscreen platform when there is no display).
void InstallScriptUi();

// Where an error of an event handler goes that ran outside any script call
// (a button of a form left open, clicked later): a line such as
// "Error in execution of event OnClick -> Out Of Range". Default: stderr.
using EventErrorReporter = std::function<void(const std::string& text)>;
void SetEventErrorReporter(EventErrorReporter reporter);

}  // namespace tarno::ui
