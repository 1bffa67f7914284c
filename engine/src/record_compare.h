// Record = and <>: field by field, as the memory compare of the reference
// sees them (an unset field equals a zero one).
#pragma once

#include <pscript/value.h>

namespace pscript {

// Nested records are compared within kMaxTypeNesting levels; deeper ones are unequal.
bool sameRecordContents(const Value& a, const Value& b);

}  // namespace pscript
