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
  // Records the names as the question shows them: "map-CableD', 'map-SateD".
  SaveChangesAnswer AskSaveChanges(const std::vector<std::string>& fileNames) override {
    std::string names;
    for (const std::string& name : fileNames) names += (names.empty() ? "" : "', '") + name;
    saveQuestions.push_back(names);
    return saveChangesAnswer;
  }

  // Picks the button of the next prepared caption; an unprepared question
  // (or a caption it does not offer) goes back, as Escape does.
  int Ask(const Question& question) override {
    questions.push_back(question);
    if (choices.empty()) return static_cast<int>(question.buttons.size()) - 1;
    const std::string choice = choices.front();
    choices.pop_front();
    for (size_t i = 0; i < question.buttons.size(); ++i)
      if (question.buttons[i] == choice) return static_cast<int>(i);
    return static_cast<int>(question.buttons.size()) - 1;
  }

  // The next prepared options answer: per group, the choices ticked; none
  // cancels. Unprepared, the dialog is taken as it comes (Enter).
  std::optional<std::vector<OptionGroup>> AskOptions(const OptionsQuestion& question) override {
    optionQuestions.push_back(question);
    if (optionAnswers.empty()) return question.groups;
    const auto answer = optionAnswers.front();
    optionAnswers.pop_front();
    if (!answer) return std::nullopt;
    std::vector<OptionGroup> groups = question.groups;
    for (size_t g = 0; g < groups.size() && g < answer->size(); ++g) groups[g].chosen = (*answer)[g];
    return groups;
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
  std::deque<std::string> choices;         // captions of the buttons the next questions pick
  std::vector<Question> questions;
  std::deque<std::optional<std::vector<std::vector<bool>>>> optionAnswers;
  std::vector<OptionsQuestion> optionQuestions;
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
