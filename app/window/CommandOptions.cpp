// A command's further choices (what "Apply reference list…" carries over, what
// becomes of the channels the reference lacks), asked in one dialog after its
// file, the table's defaults preselected: Enter takes them.
#include <QStringList>

#include "TarnoChannelEditUnit001.h"

namespace tarno::window {
namespace {

bool IsDefault(const editing::CommandOption& option, std::string_view word) {
  for (const std::string_view chosen : editing::WordsOf(option.defaults))
    if (chosen == word) return true;
  return false;
}

}  // namespace

bool TfrmTarnoChannelEdit::AskCommandOptions(const editing::GridCommandSpec& command, editing::CommandInput& input) {
  if (command.options.empty()) return true;
  OptionsQuestion question{CommandText(command.caption).toStdString(), {}};
  for (const editing::CommandOption& option : command.options) {
    OptionGroup group{CommandText(option.caption).toStdString(), {}, {}, option.several};
    const QStringList captions = CommandText(option.choiceCaptions).split(QLatin1Char('|'));
    const std::vector<std::string_view> words = editing::WordsOf(option.choices);
    for (size_t i = 0; i < words.size(); ++i) {
      group.choices.push_back(i < static_cast<size_t>(captions.size()) ? captions[static_cast<qsizetype>(i)].toStdString()
                                                                       : std::string(words[i]));
      group.chosen.push_back(IsDefault(option, words[i]));
    }
    question.groups.push_back(std::move(group));
  }
  const std::optional<std::vector<OptionGroup>> answer = dialogs_->AskOptions(question);
  if (!answer) return false;
  for (size_t g = 0; g < command.options.size() && g < answer->size(); ++g) {
    const std::vector<std::string_view> words = editing::WordsOf(command.options[g].choices);
    std::string value;
    for (size_t i = 0; i < words.size() && i < (*answer)[g].chosen.size(); ++i)
      if ((*answer)[g].chosen[i]) value += (value.empty() ? "" : ",") + std::string(words[i]);
    input.options[std::string(command.options[g].name)] = value;
  }
  return true;
}

}  // namespace tarno::window
