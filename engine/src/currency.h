// Currency keeps four decimals, rounded to even. A literal that is a half in
// decimal (0.00015) may sit just below it as a double; the reference reads
// literals in extended precision, so a constant still rounds as the half it
// was written as. Values computed at run time round as the double they are.
#pragma once

#include <cmath>

namespace pscript {

inline constexpr double kCurrencyScale = 10000.0;
inline constexpr double kCurrencyHalfTolerance = 1e-7;  // in units of 1/10000

inline double roundConstantToCurrency(double d) {
  double scaled = d * kCurrencyScale;
  double below = std::floor(scaled);
  if (std::fabs(scaled - below - 0.5) < kCurrencyHalfTolerance)
    scaled = std::fmod(below, 2.0) == 0 ? below : below + 1;
  else
    scaled = std::nearbyint(scaled);
  return scaled / kCurrencyScale;
}

}  // namespace pscript
