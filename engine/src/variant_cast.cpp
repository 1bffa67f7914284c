#include "variant_cast.h"

#include <pscript/errors.h>

namespace pscript {

int64_t variantToSmallUnsigned(const Value& v) {
  if (v.isString() || v.isWideString()) {
    if (v.isString() && v.rawString().size() == 1) return static_cast<uint8_t>(v.rawString()[0]);
    if (v.isWideString() && v.rawWideString().size() == 1) return v.rawWideString()[0];
    throw ScriptError(ErrorKind::Exception, "Type Mismatch");
  }
  return v.toInt();
}

}  // namespace pscript
