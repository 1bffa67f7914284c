// The editor's own functions for scripts (24 of them): timing, message box,
// text helpers, Format, files, Variant array access and memory blocks.
#pragma once

#include <string_view>

#include "HostFiles.h"
#include "HostMemory.h"
#include "MessageBoxHook.h"

namespace pscript {
class Compiler;
class ClassImporter;
class Exec;
}  // namespace pscript

namespace tarno {

// What the functions of one loaded script own: its memory blocks and open
// files. Lives as long as the script host; the native functions reach it
// through their user pointer.
struct ScriptFunctionState {
  HostMemory memory;
  HostFiles files;
};

struct ScriptFunctionDeclaration {
  std::string_view declaration;  // handed to the compiler as written
  std::string_view runtimeName;  // upper case
};
// The 24 functions in registration order.
const ScriptFunctionDeclaration (&ScriptFunctionDeclarations())[24];

void RegisterScriptFunctionsCompiletime(pscript::Compiler& compiler);
void RegisterScriptClassesRuntime(pscript::ClassImporter& importer);  // the library has no classes
void RegisterScriptFunctionsRuntime(pscript::Exec& exec, ScriptFunctionState& state);

}  // namespace tarno
