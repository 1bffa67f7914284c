// Run-time error kinds (the dialect's TIFException values) and the
// exceptions that carry them.
#pragma once

#include <stdexcept>
#include <string>

namespace pscript {

enum class ErrorKind : int {
  NoError, CannotImport, InvalidType, InternalError, InvalidHeader, InvalidOpcode,
  InvalidOpcodeParameter, NoMainProc, OutOfGlobalVarsRange, OutOfProcRange, OutOfRange,
  OutOfStackRange, TypeMismatch, UnexpectedEof, VersionError, DivideByZero, MathError,
  CouldNotCallProc, OutOfRecordRange, OutOfMemory, Exception, NullPointerException,
  NullVariantError, InterfaceNotSupported, CustomError,
};
inline constexpr int kErrorKindCount = 25;

// The message a script run-time error shows, as the dialect words it.
std::string errorText(ErrorKind kind, const std::string& param);

// Raised inside the engine and by host functions. A host function that
// throws any other std::exception becomes ErrorKind::Exception with what().
class ScriptError : public std::runtime_error {
 public:
  ScriptError(ErrorKind k, std::string p)
      : std::runtime_error(errorText(k, p)), kind(k), param(std::move(p)) {}
  ErrorKind kind;
  std::string param;
};

// What the host catches when a script function stops with an error.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorKind k, std::string p, int procNo, int pos)
      : std::runtime_error(errorText(k, p)), kind(k), param(std::move(p)), proc(procNo), offset(pos) {}
  ErrorKind kind;
  std::string param;
  int proc;
  int offset;
};

}  // namespace pscript
