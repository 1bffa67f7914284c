#include "UiRuntimeHook.h"

namespace tarno {

namespace {
const UiRuntime*& Installed() {
  static const UiRuntime* runtime = nullptr;
  return runtime;
}
}  // namespace

void InstallUiRuntime(const UiRuntime* runtime) { Installed() = runtime; }
const UiRuntime* InstalledUiRuntime() { return Installed(); }

}  // namespace tarno
