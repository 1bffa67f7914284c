// The dialog of a command's further choices: a box of check boxes or radio
// buttons per group, the preselected ones ticked and OK the default button,
// so that Enter takes them as they are.
#pragma once

#include <optional>
#include <vector>

#include "WindowDialogs.h"

class QWidget;

namespace tarno::window {

std::optional<std::vector<OptionGroup>> AskOptionsInDialog(QWidget* parent, const OptionsQuestion& question);

}  // namespace tarno::window
