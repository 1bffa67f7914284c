// The run-time side of the user-interface libraries (forms, controls,
// graphics, menus) needs widgets, so this layer only holds a hook for it: a
// program that can make widgets installs its bindings (script/ui), and the
// import sequences call them. Without them, a script that uses a UI class
// compiles but does not load (its members are not bound).
#pragma once

namespace pscript {
class ClassImporter;
class Exec;
}  // namespace pscript

namespace tarno {

struct UiRuntime {
  void (*bindClasses)(pscript::ClassImporter& importer) = nullptr;  // every UI class
  void (*bindFunctions)(pscript::Exec& exec) = nullptr;             // NewMenu, NewItem, NewLine...
};

// nullptr uninstalls. The runtime must outlive every script host made after.
void InstallUiRuntime(const UiRuntime* runtime);
const UiRuntime* InstalledUiRuntime();

}  // namespace tarno
