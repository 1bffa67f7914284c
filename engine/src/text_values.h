// Texts converted between the 8-bit and the wide form straight into values:
// a short ASCII text, the usual field item, needs no heap at all.
#pragma once

#include <pscript/value.h>

#include <string_view>

namespace pscript {

Value wideValueOfAnsi(std::string_view s);
Value ansiValueOfWide(std::u16string_view s);

}  // namespace pscript
