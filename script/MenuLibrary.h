// The menus import library: its declarations (UiDeclarations.h) with
// ShortCut and ShortCutToKey besides, and the shortcut functions, which need
// no user interface. The menu classes and NewMenu, NewItem... are bound with
// the other user-interface classes (UiRuntimeHook.h).
#pragma once

#include <pscript/pscript.h>

namespace tarno {

void RegisterMenuLibrary_C(pscript::Compiler& compiler);
void RegisterMenuFunctions_R(pscript::Exec& exec);

}  // namespace tarno
