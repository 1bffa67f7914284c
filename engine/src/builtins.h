// The dialect's standard function library: declarations for the compiler
// and native implementations for the executor. A host function of the same
// name replaces a built-in in both.
#pragma once

#include <pscript/pscript.h>

#include <string_view>
#include <vector>

namespace pscript {

struct Builtin {
  std::string_view declaration;
  std::string_view name;  // upper case
  NativeFn fn;
};

const std::vector<Builtin>& builtinFunctions();
const Builtin* findBuiltin(std::string_view upperName);

}  // namespace pscript
