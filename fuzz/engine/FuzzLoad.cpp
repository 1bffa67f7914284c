// Any byte string as compiled code: the loader must refuse what the VM
// cannot run safely; what loads is run with the abort flag set.
#include "FuzzClasses.h"

#include <pscript/pscript.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void noop(pscript::NativeCall& c) {
  for (int i = 0; i < c.count(); ++i) (void)c.arg(i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pscript;
  ClassImporter classes;
  fuzzclasses::bind(classes);
  Exec e;
  e.setClassImporter(&classes);
  for (const char* n : {"WRITELN", "VARGETINDEXED", "VARSETINDEXED", "INTTOHEXSTR", "VALINT"}) e.registerFunction(n, noop);
  if (!e.load(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  for (const char* name : {"Main", "Initialize", "Finalize", "F"}) {
    ProcHandle h = e.findFunction(name);
    if (!h) continue;
    Value v = Value::newVarArray(0, 6);
    e.requestAbort();
    try {
      e.call(h, v);
    } catch (const RuntimeError&) {
    }
  }
  return 0;
}
