// The import libraries offered to every script, registered in three fixed
// sequences. Each library has a step of its own in each sequence it takes
// part in; a step whose library needs engine support that is not there yet
// registers nothing (see the comment at each step).
#pragma once

namespace pscript {
class Compiler;
class ClassImporter;
class Exec;
}  // namespace pscript

namespace tarno {

// Compile time: std, classes, graphics, controls, stdctrls, forms, comobj,
// dateutils, buttons, DB, extctrls, menus, dll (comobj and DB declare nothing).
void RegisterImportsCompiletime(pscript::Compiler& compiler);
// Run-time classes: std, controls, stdctrls, forms, classes, buttons, DB,
// extctrls, graphics, menus.
void RegisterImportClassesRuntime(pscript::ClassImporter& importer);
// Run-time functions: dateutils, comobj, menus, dll.
void RegisterImportFunctionsRuntime(pscript::Exec& exec);

// The libraries the command-line runner offers, in its order: std, classes,
// dateutils, dll.
void RegisterRunnerLibrariesCompiletime(pscript::Compiler& compiler);
void RegisterRunnerLibrariesRuntime(pscript::Exec& exec, pscript::ClassImporter& importer);

// The runner's libraries with the user-interface declarations, in the
// order of RegisterImportsCompiletime; at run time the menu functions (and
// the UI classes when a UI runtime is installed).
void RegisterUiRunnerLibrariesCompiletime(pscript::Compiler& compiler);
void RegisterUiRunnerLibrariesRuntime(pscript::Exec& exec);

// The date and time library alone: type TDateTime and 15 functions.
void RegisterDateTimeLibraryCompiletime(pscript::Compiler& compiler);
void RegisterDateTimeLibraryRuntime(pscript::Exec& exec);

}  // namespace tarno
