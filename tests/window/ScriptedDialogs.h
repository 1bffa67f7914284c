// Dialog answers given in advance, and a record of what the window asked.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "WindowDialogs.h"

namespace tarno::window::test {

class ScriptedDialogs : public WindowDialogs {
 public:
  // The next file dialog's answer; none cancels it. An unprepared dialog cancels.
  void Answer(std::optional<std::string> path) { answers.push_back(std::move(path)); }

  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return Next();
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next();
  }
  void ShowError(const std::string& message) override { errors.push_back(message); }
  std::string AskSearchText() override {
    ++searches;
    return searchAnswer;
  }
  int MessageBox(const std::string& text, const std::string& caption, int mode) override {
    boxes.push_back({text, caption, mode});
    return boxAnswer;
  }
  // Answers No unless told otherwise: the edits are given up, as without a question.
  SaveChangesAnswer AskSaveChanges(const std::string& fileName) override {
    saveQuestions.push_back(fileName);
    return saveChangesAnswer;
  }

  struct Box {
    std::string text;
    std::string caption;
    int mode;
  };

  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  std::vector<std::string> errors;
  std::vector<Box> boxes;
  int boxAnswer = 1;
  std::vector<std::string> saveQuestions;  // the file names asked about
  SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::No;
  std::string searchAnswer;
  int searches = 0;

 private:
  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace tarno::window::test
