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

// Compile time: std, controls, stdctrls, forms, comobj, classes, dateutils,
// buttons, DB, extctrls, graphics, menus, dll.
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

// The date and time library alone: type TDateTime and 15 functions.
void RegisterDateTimeLibraryCompiletime(pscript::Compiler& compiler);
void RegisterDateTimeLibraryRuntime(pscript::Exec& exec);

}  // namespace tarno
