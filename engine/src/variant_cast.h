// Variant conversions the reference engine does its own way.
#pragma once

#include <pscript/value.h>

#include <cstdint>

namespace pscript {

// The value a Byte, Word, Char, WideChar, Boolean or enumeration takes from
// a Variant (before it is narrowed to its width): a one-character text gives
// its character code, any other text is a type mismatch, everything else
// converts as a number.
int64_t variantToSmallUnsigned(const Value& v);

}  // namespace pscript
