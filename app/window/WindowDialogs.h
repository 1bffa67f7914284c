// How the main window asks the user: file dialogs, the error display and the
// script's message boxes. The window only talks to this interface, so tests can
// answer in its place.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarno::window {

// One modal file dialog. The filter is written "Caption|mask|Caption|mask",
// the first choice selected; empty fields mean the dialog has none of its own.
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string initialFolder;
  std::string fileName;    // preset file name, a full path or empty
  bool mustExist = false;  // only an existing file in an existing folder is accepted
};

// A question with buttons, the first one the default and the last one the
// choice that goes back (Escape and the close box pick it).
struct Question {
  std::string text;
  std::vector<std::string> buttons;
};

// Choices asked together in one dialog, each group of check boxes (several)
// or of radio buttons (exactly one), the preselected ones ticked, so that
// Enter takes them.
struct OptionGroup {
  std::string caption;
  std::vector<std::string> choices;
  std::vector<bool> chosen;  // one per choice
  bool several = false;
};

struct OptionsQuestion {
  std::string title;
  std::vector<OptionGroup> groups;
};

// The answers to "Save changes to 'NAME'?".
enum class SaveChangesAnswer { Yes, No, Cancel };

class WindowDialogs {
 public:
  virtual ~WindowDialogs() = default;
  // The chosen path, or none when the user cancelled.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  // Never asks before overwriting an existing file.
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  // The top-level error display: the message of an error that ended a command.
  virtual void ShowError(const std::string& message) = 0;
  // The search dialog of Ctrl+F: the text it held when it closed (empty after Escape).
  virtual std::string AskSearchText() = 0;
  // A message box with Windows style bits (MB_*); returns the pressed button's ID* code.
  virtual int MessageBox(const std::string& text, const std::string& caption, int mode) = 0;
  // "Save changes to 'NAME'?" (every list with unsaved edits named), asked
  // before a command gives them up; Escape and the close box answer Cancel.
  virtual SaveChangesAnswer AskSaveChanges(const std::vector<std::string>& fileNames) = 0;
  // The index of the button chosen.
  virtual int Ask(const Question& question) = 0;
  // The groups as the user left them; none when cancelled.
  virtual std::optional<std::vector<OptionGroup>> AskOptions(const OptionsQuestion& question) = 0;
};

}  // namespace tarno::window
