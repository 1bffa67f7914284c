// The runner's host functions: the editor's script library as the reference
// runner offers it, plus WriteLn.
#pragma once

#include <pscript/pscript.h>

namespace pscript::run {

void registerHostCompileTime(Compiler& c);
void registerHostRunTime(Exec& e);

}  // namespace pscript::run
