#include "StandardScriptFunctions.h"

#include <pscript/pscript.h>

#include <string>

#include "ClassLibraries.h"
#include "DateTimeFunctions.h"
#include "DateTimeText.h"
#include "DllLibrary.h"
#include "MenuLibrary.h"
#include "UiDeclarations.h"
#include "UiRuntimeHook.h"

namespace tarno {

namespace {

using pscript::NativeCall;
using pscript::Value;

// ---------------------------------------------------------------- date and time

constexpr const char* kDateTimeDeclarations[] = {
    "function EncodeDate(Year, Month, Day: Word): TDateTime;",
    "function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime;",
    "function TryEncodeDate(Year, Month, Day: Word; var Date: TDateTime): Boolean;",
    "function TryEncodeTime(Hour, Min, Sec, MSec: Word; var Time: TDateTime): Boolean;",
    "procedure DecodeDate(const DateTime: TDateTime; var Year, Month, Day: Word);",
    "procedure DecodeTime(const DateTime: TDateTime; var Hour, Min, Sec, MSec: Word);",
    "function DayOfWeek(const DateTime: TDateTime): Word;",
    "function Date: TDateTime;",
    "function Time: TDateTime;",
    "function Now: TDateTime;",
    "function DateTimeToUnix(D: TDateTime): Int64;",
    "function UnixToDateTime(U: Int64): TDateTime;",
    "function DateToStr(D: TDateTime): string;",
    "function StrToDate(const S: string): TDateTime;",
    "function FormatDateTime(const fmt: string; D: TDateTime): string;",
};

int WordArg(const NativeCall& c, int i) { return static_cast<int>(static_cast<uint16_t>(c.arg(i).toInt())); }
double RealArg(const NativeCall& c, int i) { return c.arg(i).toReal(); }
Value WordValue(int value) { return Value::integer(value, pscript::varWord); }

// Date errors end the script function like any native exception.
template <class Action>
void Guarded(Action action) {
  try {
    action();
  } catch (const DateTimeError& e) {
    throw pscript::ScriptError(pscript::ErrorKind::Exception, e.what());
  }
}

void NativeEncodeDate(NativeCall& c) {
  Guarded([&] { c.result() = Value::real(EncodeDate(WordArg(c, 0), WordArg(c, 1), WordArg(c, 2))); });
}
void NativeEncodeTime(NativeCall& c) {
  Guarded([&] { c.result() = Value::real(EncodeTime(WordArg(c, 0), WordArg(c, 1), WordArg(c, 2), WordArg(c, 3))); });
}
void NativeTryEncodeDate(NativeCall& c) {
  double value = 0;
  const bool ok = TryEncodeDate(WordArg(c, 0), WordArg(c, 1), WordArg(c, 2), value);
  if (ok) c.arg(3) = Value::real(value);
  c.result() = Value::boolean(ok);
}
void NativeTryEncodeTime(NativeCall& c) {
  double value = 0;
  const bool ok = TryEncodeTime(WordArg(c, 0), WordArg(c, 1), WordArg(c, 2), WordArg(c, 3), value);
  if (ok) c.arg(4) = Value::real(value);
  c.result() = Value::boolean(ok);
}
void NativeDecodeDate(NativeCall& c) {
  const CalendarDate date = DecodeDate(RealArg(c, 0));
  c.arg(1) = WordValue(date.year);
  c.arg(2) = WordValue(date.month);
  c.arg(3) = WordValue(date.day);
}
void NativeDecodeTime(NativeCall& c) {
  const ClockTime time = DecodeTime(RealArg(c, 0));
  c.arg(1) = WordValue(time.hour);
  c.arg(2) = WordValue(time.minute);
  c.arg(3) = WordValue(time.second);
  c.arg(4) = WordValue(time.millisecond);
}
void NativeDayOfWeek(NativeCall& c) { c.result() = WordValue(DayOfWeek(RealArg(c, 0))); }
void NativeDate(NativeCall& c) { c.result() = Value::real(Today()); }
void NativeTime(NativeCall& c) { c.result() = Value::real(TimeOfDay()); }
void NativeNow(NativeCall& c) { c.result() = Value::real(Now()); }
void NativeDateTimeToUnix(NativeCall& c) { c.result() = Value::integer(DateTimeToUnix(RealArg(c, 0)), pscript::varInt64); }
void NativeUnixToDateTime(NativeCall& c) { c.result() = Value::real(UnixToDateTime(c.arg(0).toInt())); }
void NativeDateToStr(NativeCall& c) { c.result() = Value::string(DateToText(RealArg(c, 0))); }
void NativeStrToDate(NativeCall& c) {
  Guarded([&] { c.result() = Value::real(TextToDate(c.arg(0).toString(), DecodeDate(Now()).year)); });
}
void NativeFormatDateTime(NativeCall& c) {
  c.result() = Value::string(FormatDateTimeText(c.arg(0).toString(), RealArg(c, 1)));
}

constexpr std::pair<const char*, pscript::NativeFn> kDateTimeNatives[] = {
    {"ENCODEDATE", NativeEncodeDate},         {"ENCODETIME", NativeEncodeTime},
    {"TRYENCODEDATE", NativeTryEncodeDate},   {"TRYENCODETIME", NativeTryEncodeTime},
    {"DECODEDATE", NativeDecodeDate},         {"DECODETIME", NativeDecodeTime},
    {"DAYOFWEEK", NativeDayOfWeek},           {"DATE", NativeDate},
    {"TIME", NativeTime},                     {"NOW", NativeNow},
    {"DATETIMETOUNIX", NativeDateTimeToUnix}, {"UNIXTODATETIME", NativeUnixToDateTime},
    {"DATETOSTR", NativeDateToStr},           {"STRTODATE", NativeStrToDate},
    {"FORMATDATETIME", NativeFormatDateTime},
};

// ---------------------------------------------------------------- libraries
// std and classes come from ClassLibraries.h, the dll library from
// DllLibrary.cpp and the menu functions from MenuLibrary.cpp; the user-
// interface libraries' declarations from UiDeclarations.h and their run-time
// side through the UI hook (UiRuntimeHook.h). There is no COM and no data
// set here; those steps stay empty. TDateTime is one of the engine's own
// types, so the date library only adds its functions.

void RegisterStandardObjects_C(pscript::Compiler& compiler) { DeclareStdClasses(compiler); }
void RegisterControls_C(pscript::Compiler& compiler) { ui::Declare(compiler, ui::ControlsSteps()); }
void RegisterStdCtrls_C(pscript::Compiler& compiler) { ui::Declare(compiler, ui::StdCtrlsSteps()); }
void RegisterForms_C(pscript::Compiler& compiler) { ui::Declare(compiler, ui::FormsSteps()); }
void RegisterComObj_C(pscript::Compiler&) {}               // IDispatch and COM: not on this platform
void RegisterClasses_C(pscript::Compiler& compiler) { DeclareClassesLibrary(compiler); }
void RegisterButtons_C(pscript::Compiler& compiler) { ui::Declare(compiler, ui::ButtonsSteps()); }
void RegisterDB_C(pscript::Compiler&) {}                   // data sets: not offered
void RegisterExtCtrls_C(pscript::Compiler& compiler) { ui::Declare(compiler, ui::ExtCtrlsSteps()); }
void RegisterGraphics_C(pscript::Compiler& compiler) { ui::Declare(compiler, ui::GraphicsSteps()); }
void RegisterMenus_C(pscript::Compiler& compiler) { RegisterMenuLibrary_C(compiler); }

void RegisterStandardObjects_R(pscript::ClassImporter& importer) { BindStdClasses(importer); }
// Every UI class at once: the order of class registrations does not matter
// at run time, where classes are found by name when a script loads.
void RegisterControls_R(pscript::ClassImporter& importer) {
  if (const UiRuntime* ui = InstalledUiRuntime(); ui && ui->bindClasses) ui->bindClasses(importer);
}
void RegisterStdCtrls_R(pscript::ClassImporter&) {}  // with the controls
void RegisterForms_R(pscript::ClassImporter&) {}     // with the controls
void RegisterClasses_R(pscript::ClassImporter& importer) { BindClassesLibrary(importer); }
void RegisterButtons_R(pscript::ClassImporter&) {}   // with the controls
void RegisterDB_R(pscript::ClassImporter&) {}
void RegisterExtCtrls_R(pscript::ClassImporter&) {}  // with the controls
void RegisterGraphics_R(pscript::ClassImporter&) {}  // with the controls
void RegisterMenus_R(pscript::ClassImporter&) {}     // with the controls

void RegisterComObj_Functions(pscript::Exec&) {}  // CreateOleObject, GetActiveOleObject
void RegisterMenus_Functions(pscript::Exec& exec) {
  RegisterMenuFunctions_R(exec);
  if (const UiRuntime* ui = InstalledUiRuntime(); ui && ui->bindFunctions) ui->bindFunctions(exec);
}

}  // namespace

void RegisterDateTimeLibraryCompiletime(pscript::Compiler& compiler) {
  for (const char* declaration : kDateTimeDeclarations) compiler.addFunction(declaration);
}

void RegisterDateTimeLibraryRuntime(pscript::Exec& exec) {
  for (const auto& [name, native] : kDateTimeNatives) exec.registerFunction(name, native);
}

void RegisterRunnerLibrariesCompiletime(pscript::Compiler& compiler) {
  RegisterStandardObjects_C(compiler);
  RegisterClasses_C(compiler);
  RegisterDateTimeLibraryCompiletime(compiler);
  RegisterDll_C(compiler);
}

void RegisterRunnerLibrariesRuntime(pscript::Exec& exec, pscript::ClassImporter& importer) {
  RegisterStandardObjects_R(importer);
  RegisterClasses_R(importer);
  RegisterDateTimeLibraryRuntime(exec);
  RegisterDll_Functions(exec);
}

// The editor's own sequence: comobj and DB declare nothing, and the second
// installation of the external-declaration handler changes nothing.
void RegisterUiRunnerLibrariesCompiletime(pscript::Compiler& compiler) { RegisterImportsCompiletime(compiler); }

void RegisterUiRunnerLibrariesRuntime(pscript::Exec& exec) { RegisterMenus_Functions(exec); }

// The types the controls need (TNotifyEvent and TStrings from classes, TFont
// and TBrush from graphics) come before the controls: a member whose type is
// not declared yet does not register, so in the order std, controls, stdctrls,
// forms, comobj, classes... no control would have its events or its font.
void RegisterImportsCompiletime(pscript::Compiler& compiler) {
  RegisterStandardObjects_C(compiler);
  RegisterClasses_C(compiler);
  RegisterGraphics_C(compiler);
  RegisterControls_C(compiler);
  RegisterStdCtrls_C(compiler);
  RegisterForms_C(compiler);
  RegisterComObj_C(compiler);
  RegisterDateTimeLibraryCompiletime(compiler);
  RegisterButtons_C(compiler);
  RegisterDB_C(compiler);
  RegisterExtCtrls_C(compiler);
  RegisterMenus_C(compiler);
  RegisterDll_C(compiler);
  InstallExternalDeclarationHandler(compiler);
}

void RegisterImportClassesRuntime(pscript::ClassImporter& importer) {
  RegisterStandardObjects_R(importer);
  RegisterControls_R(importer);
  RegisterStdCtrls_R(importer);
  RegisterForms_R(importer);
  RegisterClasses_R(importer);
  RegisterButtons_R(importer);
  RegisterDB_R(importer);
  RegisterExtCtrls_R(importer);
  RegisterGraphics_R(importer);
  RegisterMenus_R(importer);
}

void RegisterImportFunctionsRuntime(pscript::Exec& exec) {
  RegisterDateTimeLibraryRuntime(exec);
  RegisterComObj_Functions(exec);
  RegisterMenus_Functions(exec);
  RegisterDll_Functions(exec);
}

}  // namespace tarno
