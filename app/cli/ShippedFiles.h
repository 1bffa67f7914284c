// The files tarno-cli comes with: the default settings and script and the
// presets in layouts/.
#pragma once

#include <string>

namespace tarno::cli {

// The path of a shipped file or folder: beside the program in a build tree,
// among the shipped files of an installed program.
std::string ShippedFile(const std::string& name);

}  // namespace tarno::cli
