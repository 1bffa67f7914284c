// Any byte string as compiled code: the loader must refuse what the VM
// cannot run safely; what loads (into the one Exec every input reloads, see
// FuzzClasses.h) is run with the abort flag set.
#include "FuzzClasses.h"

#include <pscript/pscript.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pscript;
  Exec& e = fuzzexec::reloaded();
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
