// The menus import library as far as it needs no user interface: the
// shortcut types and ShortCut, ShortCutToKey, ShortCutToText, TextToShortCut.
// The menu classes (TMenuItem, NewMenu, NewItem ...) come with the other
// user-interface classes.
#pragma once

#include <pscript/pscript.h>

namespace tarno {

void RegisterMenuFunctions_C(pscript::Compiler& compiler);
void RegisterMenuFunctions_R(pscript::Exec& exec);

}  // namespace tarno
