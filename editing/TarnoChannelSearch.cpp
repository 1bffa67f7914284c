#include "TarnoChannelSearch.h"

namespace tarno::editing {

bool TTarnoChannelSearch::FormKeyPress(char key) {
  if (key == kEnter) return true;
  if (key == kEscape) {
    editText_.clear();  // Escape searches for nothing, so F3 stays idle
    return true;
  }
  return false;
}

}  // namespace tarno::editing
