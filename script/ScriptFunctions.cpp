#include "ScriptFunctions.h"

#include <pscript/pscript.h>

#include "DelphiFormat.h"
#include "TextFunctions.h"
#include "Timing.h"

namespace tarno {

namespace {

using pscript::NativeCall;
using pscript::Value;

constexpr ScriptFunctionDeclaration kDeclarations[24] = {
    {"procedure Delay(DelayUs: Integer)", "DELAY"},
    {"function GetTickCount: LongInt", "GETTICKCOUNT"},
    {"function MessageBox(Msg: string; Caption: string; Mode: Integer): Integer", "MESSAGEBOX"},
    {"function IntToHexStr(VarIn: LongInt): string", "INTTOHEXSTR"},
    {"function Pos(Substr: string; S: string): Integer", "POS"},
    {"function Copy(S: string; Index: Integer; Count: Integer): string", "COPY"},
    {"procedure Delete(var S: string; Index: Integer; Count: Integer)", "DELETE"},
    {"function Format(const Format: string; const Args: array of const): string", "FORMAT"},
    {"procedure ValInt(const S: string; var Result: Integer; var Code: Integer)", "VALINT"},
    {"procedure ValExt(const S: string; var Result: Extended; var Code: Integer)", "VALEXT"},
    {"function FileOpen(FileName: string; Mode: Integer): Integer", "FILEOPEN"},
    {"function FileCreate(FileName: string): Integer", "FILECREATE"},
    {"function FileRead(Handle: Integer; var Buffer: Variant; Count: Integer): Integer", "FILEREAD"},
    {"function FileWrite(Handle: Integer; Buffer: Variant; Count: Integer): Integer", "FILEWRITE"},
    {"function FileSeek(Handle: Integer; Offset: Integer; Origin: Integer): Integer", "FILESEEK"},
    {"procedure FileClose(Handle: Integer)", "FILECLOSE"},
    {"function VarGetIndexed(VarIn: Variant; Index: Integer): Variant", "VARGETINDEXED"},
    {"procedure VarSetIndexed(var VarIn: Variant; Index: Integer; Value: Variant)", "VARSETINDEXED"},
    {"function VarArraySize(VarIn: Variant): Integer", "VARARRAYSIZE"},
    {"function VarIsArray(V: Variant): Boolean", "VARISARRAY"},
    {"procedure GetMem(var P: Integer; Size: Integer): Boolean", "GETMEM"},
    {"procedure FreeMem(P: Integer): Boolean", "FREEMEM"},
    {"procedure WriteMem(P: Integer; Data: Byte)", "WRITEMEM"},
    {"function ReadMem(P: Integer): Byte", "READMEM"},
};

int32_t IntArg(const NativeCall& c, int i) { return static_cast<int32_t>(c.arg(i).toInt()); }
std::string StringArg(const NativeCall& c, int i) { return c.arg(i).toString(); }
ScriptFunctionState& StateOf(const NativeCall& c) { return *static_cast<ScriptFunctionState*>(c.user()); }

void ReturnInteger(NativeCall& c, int64_t value) { c.result() = Value::integer(static_cast<int32_t>(value), pscript::varInteger); }
void ReturnString(NativeCall& c, const std::string& value) { c.result() = Value::string(value); }

// A stopped wait raises an error; the abort behind it then ends the script.
void NativeDelay(NativeCall& c) {
  if (Delay(IntArg(c, 0), [&c] { return c.exec().attend(); }).stopped)
    throw pscript::ScriptError(pscript::ErrorKind::CustomError, "Delay stopped");
}
void NativeGetTickCount(NativeCall& c) { ReturnInteger(c, TickCount()); }
void NativeMessageBox(NativeCall& c) { ReturnInteger(c, ShowScriptMessageBox(StringArg(c, 0), StringArg(c, 1), IntArg(c, 2))); }
void NativeIntToHexStr(NativeCall& c) { ReturnString(c, IntToHexText(IntArg(c, 0))); }
void NativePos(NativeCall& c) { ReturnInteger(c, PosOf(StringArg(c, 0), StringArg(c, 1))); }
void NativeCopy(NativeCall& c) { ReturnString(c, CopyOf(StringArg(c, 0), IntArg(c, 1), IntArg(c, 2))); }

void NativeDelete(NativeCall& c) {
  std::string text = StringArg(c, 0);
  DeleteFrom(text, IntArg(c, 1), IntArg(c, 2));
  c.arg(0) = Value::string(text);
}

void NativeFormat(NativeCall& c) {
  try {
    ReturnString(c, FormatText(StringArg(c, 0), c.arg(1)));
  } catch (const FormatError& e) {
    throw pscript::ScriptError(pscript::ErrorKind::Exception, e.what());
  }
}

void NativeValInt(NativeCall& c) {
  const ValIntResult read = ValIntOf(StringArg(c, 0));
  c.arg(1) = Value::integer(read.value, pscript::varInteger);
  c.arg(2) = Value::integer(read.code, pscript::varInteger);
}

void NativeValExt(NativeCall& c) {
  const ValExtResult read = ValExtOf(StringArg(c, 0));
  c.arg(1) = Value::real(read.value);
  c.arg(2) = Value::integer(read.code, pscript::varInteger);
}

void NativeFileOpen(NativeCall& c) { ReturnInteger(c, StateOf(c).files.Open(StringArg(c, 0), IntArg(c, 1))); }
void NativeFileCreate(NativeCall& c) { ReturnInteger(c, StateOf(c).files.Create(StringArg(c, 0))); }
void NativeFileRead(NativeCall& c) { ReturnInteger(c, StateOf(c).files.ReadInto(IntArg(c, 0), c.arg(1), IntArg(c, 2))); }
void NativeFileWrite(NativeCall& c) { ReturnInteger(c, StateOf(c).files.WriteFrom(IntArg(c, 0), c.arg(1), IntArg(c, 2))); }
void NativeFileSeek(NativeCall& c) { ReturnInteger(c, StateOf(c).files.Seek(IntArg(c, 0), IntArg(c, 1), IntArg(c, 2))); }
void NativeFileClose(NativeCall& c) { StateOf(c).files.Close(IntArg(c, 0)); }

bool WithinBounds(const Value& array, int64_t index) { return index >= array.arrayLow() && index <= array.arrayHigh(); }

void NativeVarGetIndexed(NativeCall& c) {
  const Value& array = c.arg(0);
  const int64_t index = IntArg(c, 1);
  if (!array.isArray()) {
    c.result() = array;
  } else if (const Value* element = array.arrayElement(index)) {
    c.result() = *element;
  } else {
    c.result() = Value::integer(0, pscript::varByte);
  }
}

void NativeVarSetIndexed(NativeCall& c) {
  Value& array = c.arg(0);
  const int64_t index = IntArg(c, 1);
  if (array.isArray() && WithinBounds(array, index)) array.arraySet(index, c.arg(2));
}

void NativeVarArraySize(NativeCall& c) {
  const Value& array = c.arg(0);
  ReturnInteger(c, array.isArray() ? array.arrayHigh() - array.arrayLow() + 1 : 0);
}

void NativeVarIsArray(NativeCall& c) { c.result() = Value::boolean(c.arg(0).isArray()); }

void NativeGetMem(NativeCall& c) { c.arg(0) = Value::integer(StateOf(c).memory.Allocate(IntArg(c, 1)), pscript::varInteger); }
void NativeFreeMem(NativeCall& c) { StateOf(c).memory.Release(IntArg(c, 0)); }
void NativeWriteMem(NativeCall& c) { StateOf(c).memory.Write(IntArg(c, 0), static_cast<uint8_t>(c.arg(1).toInt())); }
void NativeReadMem(NativeCall& c) { c.result() = Value::integer(StateOf(c).memory.Read(IntArg(c, 0)), pscript::varByte); }

constexpr pscript::NativeFn kNatives[24] = {
    NativeDelay,     NativeGetTickCount, NativeMessageBox, NativeIntToHexStr, NativePos,          NativeCopy,
    NativeDelete,    NativeFormat,       NativeValInt,     NativeValExt,      NativeFileOpen,     NativeFileCreate,
    NativeFileRead,  NativeFileWrite,    NativeFileSeek,   NativeFileClose,   NativeVarGetIndexed, NativeVarSetIndexed,
    NativeVarArraySize, NativeVarIsArray, NativeGetMem,    NativeFreeMem,     NativeWriteMem,     NativeReadMem,
};

}  // namespace

const ScriptFunctionDeclaration (&ScriptFunctionDeclarations())[24] { return kDeclarations; }

void RegisterScriptFunctionsCompiletime(pscript::Compiler& compiler) {
  for (const ScriptFunctionDeclaration& function : kDeclarations) compiler.addFunction(function.declaration);
}

void RegisterScriptClassesRuntime(pscript::ClassImporter& /*importer*/) {}

void RegisterScriptFunctionsRuntime(pscript::Exec& exec, ScriptFunctionState& state) {
  for (size_t i = 0; i < std::size(kDeclarations); ++i)
    exec.registerFunction(std::string(kDeclarations[i].runtimeName), kNatives[i], &state);
}

}  // namespace tarno
