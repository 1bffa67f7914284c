#include "ScriptUi.h"

#include "UiObjects.h"
#include "UiRuntimeHook.h"

namespace tarno::ui {

void InstallScriptUi() {
  static const UiRuntime runtime{BindUiClasses, BindUiFunctions};
  InstallUiRuntime(&runtime);
}

}  // namespace tarno::ui
