// The grid command table holds together: what the window, tarno-cli and
// README build from it or list beside it agree with it.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "GridCommandTable.h"
#include "RunProgram.h"
#include "TestFiles.h"

namespace tarno::editing {
namespace {

std::string StepWord(const GridCommandSpec& command) {
  std::string word(command.step);
  if (command.argument != CommandArgument::None) word += "=" + std::string(command.argumentName);
  return word;
}

// The words of a text that look like edit steps: "sort-rows", "find=TEXT".
std::set<std::string> StepWordsIn(const std::string& text) {
  std::set<std::string> words;
  const std::regex word(R"([a-z]+(-[a-z]+)*(=[A-Za-z0-9,:|\[\]]+)?)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it)
    words.insert(it->str());
  return words;
}

TEST(GridCommandTable, EveryEntryIsWhole) {
  std::set<std::string_view> steps, buttons, keys;
  for (const GridCommandSpec& command : GridCommands()) {
    SCOPED_TRACE(std::string(command.step));
    EXPECT_TRUE(steps.insert(command.step).second) << "step named twice";
    EXPECT_NE(command.run, nullptr);
    EXPECT_EQ(command.argument == CommandArgument::None, command.argumentName.empty());
    EXPECT_EQ(FindCommand(command.step), &command);
    if (command.button.Exists()) {
      EXPECT_FALSE(command.caption.empty());
      EXPECT_TRUE(buttons.insert(command.buttonName).second) << "button named twice";
    }
    const bool asksFile =
        command.argument == CommandArgument::OpenFile || command.argument == CommandArgument::SaveFile;
    EXPECT_EQ(asksFile, !command.file.title.empty()) << "a file argument comes with its dialog";
    for (std::string_view key : {command.key, command.otherKey})
      if (!key.empty()) {
        EXPECT_TRUE(keys.insert(key).second) << "key " << key << " taken twice";
      }
  }
}

TEST(GridCommandTable, NoTwoButtonsOverlap) {
  std::vector<const GridCommandSpec*> placed;
  for (const GridCommandSpec& command : GridCommands())
    if (command.button.Exists()) placed.push_back(&command);
  for (size_t i = 0; i < placed.size(); ++i)
    for (size_t j = i + 1; j < placed.size(); ++j) {
      const ButtonPlace& a = placed[i]->button;
      const ButtonPlace& b = placed[j]->button;
      const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                         b.y + b.height <= a.y;
      EXPECT_TRUE(apart) << placed[i]->step << " and " << placed[j]->step;
    }
}

TEST(GridCommandTable, KeysFindTheMostSpecificCommand) {
  const auto stepOf = [](KeyPress key) {
    const GridCommandSpec* command = CommandForKey(key);
    return command ? std::string(command->step) : std::string("none");
  };
  EXPECT_EQ(stepOf({"F1"}), "clear-row");
  EXPECT_EQ(stepOf({"F1", false, true}), "clear-row");  // Shift+F1 is F1
  EXPECT_EQ(stepOf({"F4", true}), "move-row");
  EXPECT_EQ(stepOf({"F3"}), "find-next");
  EXPECT_EQ(stepOf({"F"}), "none");  // typed into the grid
  EXPECT_EQ(stepOf({"F", true}), "find");
  EXPECT_EQ(stepOf({"Z", true}), "undo");
  EXPECT_EQ(stepOf({"Z", true, true}), "redo");
  EXPECT_EQ(stepOf({"Y", true}), "redo");
  EXPECT_EQ(stepOf({"Z"}), "none");
}

TEST(GridCommandTable, CliUsageListsEveryStepAndOnlyThose) {
  const test::ProgramResult help = test::RunProgram("tarno-cli", {"--help"});
  const std::string text = help.out;
  const size_t from = text.find("commands:");
  const size_t to = text.find("csv-export --ini");
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  const std::set<std::string> listed = StepWordsIn(text.substr(from + 9, to - from - 9));
  std::set<std::string> table;
  for (const GridCommandSpec& command : GridCommands()) table.insert(StepWord(command));
  EXPECT_EQ(listed, table);
}

TEST(GridCommandTable, ReadmeListsEveryStepAndOnlyThose) {
  const std::string readme = test::ReadFile(test::SourcePath("README.md"));
  const size_t from = readme.find("run the window's grid commands (");
  ASSERT_NE(from, std::string::npos);
  const size_t to = readme.find(')', from);
  const std::set<std::string> listed = StepWordsIn(readme.substr(from + 32, to - from - 32));
  std::set<std::string> table;
  for (const GridCommandSpec& command : GridCommands()) table.insert(StepWord(command));
  EXPECT_EQ(listed, table) << "README's list of tarno-cli edit steps";
}

TEST(GridCommandTable, StepListWrapsBeforeItsWidth) {
  const std::string list = EditStepList(40);
  size_t start = 0;
  for (size_t end = list.find('\n'); start < list.size(); end = list.find('\n', start)) {
    if (end == std::string::npos) end = list.size();
    EXPECT_LE(end - start, 40u) << list.substr(start, end - start);
    start = end + 1;
  }
}

}  // namespace
}  // namespace tarno::editing
