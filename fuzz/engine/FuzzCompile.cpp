// Any text through preprocessor and compiler; what compiles is also loaded
// (into the one Exec every input reloads, see FuzzClasses.h) and its
// functions run under a small call budget.
#include "FuzzClasses.h"

#include <pscript/pscript.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pscript;
  std::string text(reinterpret_cast<const char*>(data), size);
  PreProcessor pp;
  pp.onNeedFile = [&text](PreProcessor&, const std::string&, std::string& name, std::string& out) {
    if (name == "main.pas") { out = text; return true; }
    if (name == "inc.inc") { out = "const IncValue = 1;"; return true; }
    return false;
  };
  std::string source;
  try {
    source = pp.preprocess("main.pas");
  } catch (const PreProcessorError&) {
    return 0;
  }
  Compiler c;
  c.allowNoBegin = c.allowNoEnd = true;
  c.onUses = [](Compiler& comp, const std::string& unit) {
    comp.addFunction("procedure WriteLn(S: string)");
    comp.addFunction("function VarGetIndexed(VarIn: Variant; Index: Integer): Variant");
    if (unit == "SYSTEM") fuzzclasses::declare(comp);
    return unit == "SYSTEM";
  };
  if (!c.compile(source)) return 0;
  Exec& e = fuzzexec::reloaded();
  if (!e.load(c.output())) return 0;
  for (const char* name : {"Main", "Initialize", "Finalize"}) {
    ProcHandle h = e.findFunction(name);
    if (!h) continue;
    Value v = Value::newVarArray(0, 6);
    e.requestAbort();  // a script must not hang the fuzzer: stop at the first loop or call
    try {
      e.call(h, v);
    } catch (const RuntimeError&) {
    }
  }
  return 0;
}
