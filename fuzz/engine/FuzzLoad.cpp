// Any byte string as compiled code: the loader must refuse what the VM
// cannot run safely; what loads (into the one Exec every input reloads, see
// FuzzClasses.h) is run with the abort flag set.
#include "FuzzClasses.h"

#include <pscript/memory.h>
#include <pscript/pscript.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

// Room for anything a channel-list script holds, but little enough that a
// module declaring arrays of millions of values fails at once instead of
// filling gigabytes under the sanitizers.
constexpr size_t kFuzzScriptMemory = size_t{16} << 20;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  pscript::setScriptMemoryLimit(kFuzzScriptMemory);
  return 0;
}

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
