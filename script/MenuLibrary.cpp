#include "MenuLibrary.h"

#include <string>

#include "MenuShortcuts.h"
#include "UiDeclarations.h"

namespace tarno {

namespace {

using pscript::NativeCall;
using pscript::Value;

// Beyond the import unit, whose FPC build leaves these two out; TShiftState
// comes from the controls library, which is declared first.
constexpr const char* kShiftStateFunctions[] = {
    "function ShortCut(Key: Word; Shift: TShiftState): TShortCut;",
    "procedure ShortCutToKey(ShortCut: TShortCut; var Key: Word; var Shift: TShiftState);",
};

uint32_t ShiftStateOf(const Value& set) { return static_cast<uint32_t>(set.setElements() & 0xFFu); }
Value ShiftStateValue(uint32_t shiftState) { return Value::setOf(shiftState); }

Value ShortCutValue(uint16_t shortCut) { return Value::integer(shortCut, pscript::varWord); }
uint16_t WordArg(const NativeCall& c, int i) { return static_cast<uint16_t>(c.arg(i).toInt()); }

void NativeShortCut(NativeCall& c) { c.result() = ShortCutValue(ShortCut(WordArg(c, 0), ShiftStateOf(c.arg(1)))); }
void NativeShortCutToKey(NativeCall& c) {
  uint16_t key = 0;
  uint32_t shiftState = 0;
  ShortCutToKey(WordArg(c, 0), key, shiftState);
  c.arg(1) = ShortCutValue(key);
  c.arg(2) = ShiftStateValue(shiftState);
}
void NativeShortCutToText(NativeCall& c) { c.result() = Value::string(ShortCutToText(WordArg(c, 0))); }
void NativeTextToShortCut(NativeCall& c) { c.result() = ShortCutValue(TextToShortCut(c.arg(0).toString())); }

}  // namespace

void RegisterMenuLibrary_C(pscript::Compiler& compiler) {
  ui::Declare(compiler, ui::MenusSteps());
  for (const char* declaration : kShiftStateFunctions) compiler.addFunction(declaration);
}

void RegisterMenuFunctions_R(pscript::Exec& exec) {
  exec.registerFunction("SHORTCUT", NativeShortCut);
  exec.registerFunction("SHORTCUTTOKEY", NativeShortCutToKey);
  exec.registerFunction("SHORTCUTTOTEXT", NativeShortCutToText);
  exec.registerFunction("TEXTTOSHORTCUT", NativeTextToShortCut);
}

}  // namespace tarno
