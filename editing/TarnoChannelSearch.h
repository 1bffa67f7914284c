// The search dialog's behaviour without its window: a one-line edit box that
// Enter closes and Escape empties and closes. The window (caption "Search",
// stays on top, its top-left corner at the screen's centre) is the toolkit's;
// a new dialog is made for every search, so its text starts empty.
#pragma once

#include <string>

namespace tarno::editing {

class TTarnoChannelSearch {
 public:
  static constexpr const char* kCaption = "Search";
  static constexpr char kEnter = 13;
  static constexpr char kEscape = 27;

  // A key character typed in the dialog. Returns true when it closes the
  // dialog; any other character is left to the edit box (false).
  bool FormKeyPress(char key);
  // What the edit box holds; the toolkit's edit box keeps it up to date.
  void SetEditText(std::string text) { editText_ = std::move(text); }
  const std::string& GetSearchText() const { return editText_; }

 private:
  std::string editText_;
};

}  // namespace tarno::editing
