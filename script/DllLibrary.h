// The dll import library: external routines in shared libraries (dlopen,
// dlsym, calls through libffi), UnloadDll and DllGetLastError.
#pragma once

#include <pscript/pscript.h>

namespace tarno {

// Compile time: lets scripts declare external routines; declares UnloadDll
// and DllGetLastError.
void RegisterDll_C(pscript::Compiler& compiler);
// Compile time, after the other libraries: external declarations stay allowed.
void InstallExternalDeclarationHandler(pscript::Compiler& compiler);
// Run time: UnloadDll, DllGetLastError and the binder for external routines.
void RegisterDll_Functions(pscript::Exec& exec);

// Binds an external declaration to a symbol of a shared library.
pscript::ExternalBinder sharedLibraryBinder();

}  // namespace tarno
