#include "PrintOptions.h"

namespace tarno::grid {

TPrintOptions DefaultPrintOptions(int gridFontSize) {
  TPrintOptions options;
  options.HeaderSize = gridFontSize + 2;
  options.FooterSize = gridFontSize - 1;
  return options;
}

}  // namespace tarno::grid
