// Formulas from arbitrary bytes: every text must end in a value or a reported
// error, never a crash, a hang or a non-finite value. The input is also put into
// a grid cell beside references to itself, so self-reference is covered.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "GridFormulas.h"
#include "TzebMathParser.h"

namespace {

using tarno::grid::CellNames;
using tarno::grid::CellStore;
using tarno::grid::GridFormulas;

CellStore SmallGrid(const std::string& formula) {
  CellStore cells;
  cells.SetColCount(5);
  cells.SetRowCount(5);
  cells.SetText(1, 1, "00012");
  cells.SetText(2, 1, "-3.5e1");
  cells.SetText(1, 2, "Sport");
  cells.SetText(2, 2, "=" + formula);
  cells.SetText(3, 2, "=B2 * 2 + sumrow");
  cells.SetText(3, 3, "=" + formula + " + C3");
  return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string formula(reinterpret_cast<const char*>(data), size);

  tarno::grid::TzebMathParser parser;
  parser.ParseString = formula;
  parser.OnGetVar = [](std::string_view name, double& value) {
    value = static_cast<double>(name.size());
    return name.size() % 2 == 1;
  };
  if (!std::isfinite(parser.Parse())) std::abort();

  CellNames names;
  names.Add("total", "B2");
  names.Add("self", "C3");
  GridFormulas formulas(names);
  const CellStore cells = SmallGrid(formula);
  const auto failure = formulas.EvaluateAll(cells);
  if (failure && (failure->col < 1 || failure->row < 1)) std::abort();
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      if (!std::isfinite(formulas.Values().At(c, r))) std::abort();
  return 0;
}
