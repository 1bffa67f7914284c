// Native implementations of the standard functions every script gets.
#include "builtins.h"

#include "engine_limits.h"
#include "heap.h"
#include "text.h"

#include <charconv>
#include <cmath>
#include <unordered_map>

namespace pscript {

namespace {

std::string_view str(const NativeCall& c, int i) { return c.arg(i).rawString(); }
int64_t num(const NativeCall& c, int i) { return c.arg(i).rawInt(); }
double real(const NativeCall& c, int i) { return c.arg(i).rawReal(); }
void retStr(NativeCall& c, std::string_view s) { c.result() = Value::string(s); }
void retStr(NativeCall& c, std::string&& s) { c.result() = Value::string(std::move(s)); }
void retInt(NativeCall& c, int64_t v) { c.result().setInt(v); }
void retReal(NativeCall& c, double v) { c.result().setReal(v); }

std::string copyOf(std::string_view s, int64_t index, int64_t count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > static_cast<int64_t>(s.size())) return {};
  auto from = static_cast<size_t>(index - 1);
  return std::string(s.substr(from, static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(s.size() - from)))));
}

std::string pad(std::string_view s, int64_t n, char with, bool left) {
  if (n > kMaxStringLength) throw ScriptError(ErrorKind::OutOfMemory, "");
  if (static_cast<int64_t>(s.size()) >= n) return std::string(s);
  std::string fill(static_cast<size_t>(n) - s.size(), with);
  return left ? fill + std::string(s) : std::string(s) + fill;
}

std::string trim(std::string_view s, bool left, bool right) {
  size_t a = 0, b = s.size();
  while (left && a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
  while (right && b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
  return std::string(s.substr(a, b - a));
}

// Val-style integer reading for StrToInt: leading spaces, no trailing ones.
bool readInt(std::string_view s, int64_t& v) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  std::string t(s.substr(i));
  if (t.size() > 1 && (t[0] == 'x' || t[0] == 'X')) t = "$" + t.substr(1);
  return parseInt64(t, v);
}

void fIntToStr(NativeCall& c) {
  char digits[24];  // an Int64 with its sign
  const auto end = std::to_chars(digits, digits + sizeof digits, num(c, 0)).ptr;
  retStr(c, std::string_view(digits, static_cast<size_t>(end - digits)));
}
// Integer results keep the low 32 bits of what was read, as the reference does.
void fStrToInt(NativeCall& c) {
  int64_t v;
  retInt(c, readInt(str(c, 0), v) ? static_cast<int32_t>(v) : -1);
}
void fStrToIntDef(NativeCall& c) {
  int64_t v;
  retInt(c, readInt(str(c, 0), v) ? static_cast<int32_t>(v) : static_cast<int32_t>(num(c, 1)));
}
void fStrToInt64(NativeCall& c) {
  int64_t v;
  if (!readInt(str(c, 0), v)) throw ScriptError(ErrorKind::Exception, "\"" + std::string(str(c, 0)) + "\" is an invalid integer");
  retInt(c, v);
}
void fStrToInt64Def(NativeCall& c) { int64_t v; retInt(c, readInt(str(c, 0), v) ? v : num(c, 1)); }
void fCopy(NativeCall& c) { retStr(c, copyOf(str(c, 0), num(c, 1), num(c, 2))); }
void fPos(NativeCall& c) {
  std::string_view sub = str(c, 0), s = str(c, 1);
  if (sub.empty()) { retInt(c, 0); return; }
  size_t at = s.find(sub);
  retInt(c, at == std::string_view::npos ? 0 : static_cast<int64_t>(at) + 1);
}
void fDelete(NativeCall& c) {
  Value& v = c.arg(0);
  std::string s(v.rawString());
  int64_t index = num(c, 1), count = num(c, 2);
  if (index < 1 || index > static_cast<int64_t>(s.size()) || count <= 0) return;
  s.erase(static_cast<size_t>(index - 1), static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(s.size()) - index + 1)));
  v = Value::string(s);
}
void fInsert(NativeCall& c) {
  Value& v = c.arg(1);
  std::string s(v.rawString());
  int64_t at = num(c, 2);
  if (at < 1) at = 1;
  if (at > static_cast<int64_t>(s.size()) + 1) at = static_cast<int64_t>(s.size()) + 1;
  const std::string_view inserted = c.arg(0).rawString();
  if (s.size() + inserted.size() > static_cast<size_t>(kMaxStringLength)) throw ScriptError(ErrorKind::OutOfMemory, "");
  s.insert(static_cast<size_t>(at - 1), inserted);
  v = Value::string(std::move(s));
}
void fUpper(NativeCall& c) { retStr(c, upperAscii(str(c, 0))); }
void fLower(NativeCall& c) { retStr(c, lowerAscii(str(c, 0))); }
void fTrim(NativeCall& c) { retStr(c, trim(str(c, 0), true, true)); }
void fTrimLeft(NativeCall& c) { retStr(c, trim(str(c, 0), true, false)); }
void fTrimRight(NativeCall& c) { retStr(c, trim(str(c, 0), false, true)); }
void fPadL(NativeCall& c) { retStr(c, pad(str(c, 0), num(c, 1), ' ', true)); }
void fPadR(NativeCall& c) { retStr(c, pad(str(c, 0), num(c, 1), ' ', false)); }
void fPadZ(NativeCall& c) { retStr(c, pad(str(c, 0), num(c, 1), '0', true)); }
void fReplicate(NativeCall& c) { retStr(c, pad("", num(c, 1), static_cast<char>(num(c, 0)), true)); }
void fStrGet(NativeCall& c) {
  std::string_view s = c.arg(0).rawString();
  int64_t i = num(c, 1);
  if (i < 1 || i > static_cast<int64_t>(s.size())) throw ScriptError(ErrorKind::CustomError, "Out of string range");
  retInt(c, static_cast<uint8_t>(s[static_cast<size_t>(i - 1)]));
}
void fStrSet(NativeCall& c) {
  Value& v = c.arg(2);
  int64_t i = num(c, 1);
  if (i < 1 || i > static_cast<int64_t>(v.rawString().size())) throw ScriptError(ErrorKind::CustomError, "Out of string range");
  uniqueStr(v)->s[static_cast<size_t>(i - 1)] = static_cast<char>(num(c, 0));
}
void fWStrGet(NativeCall& c) {
  std::u16string_view s = c.arg(0).rawWideString();
  int64_t i = num(c, 1);
  if (i < 1 || i > static_cast<int64_t>(s.size())) throw ScriptError(ErrorKind::CustomError, "Out of string range");
  retInt(c, s[static_cast<size_t>(i - 1)]);
}
void fWStrSet(NativeCall& c) {
  Value& v = c.arg(2);
  int64_t i = num(c, 1);
  if (i < 1 || i > static_cast<int64_t>(v.rawWideString().size())) throw ScriptError(ErrorKind::CustomError, "Out of string range");
  uniqueWStr(v)->s[static_cast<size_t>(i - 1)] = static_cast<char16_t>(num(c, 0));
}
void fExceptionProc(NativeCall& c) { retInt(c, c.exec().lastErrorProc()); }
void fExceptionPos(NativeCall& c) { retInt(c, c.exec().lastErrorPos()); }
void fFloatToStr(NativeCall& c) { retStr(c, engineFloatToStr(real(c, 0))); }
void fStrToFloat(NativeCall& c) {
  double d;
  if (!parseReal(str(c, 0), d)) throw ScriptError(ErrorKind::Exception, "Invalid float");
  retReal(c, d);
}
void fRound(NativeCall& c) {
  double d = real(c, 0);
  if (!(std::fabs(d) < 9.2e18)) throw ScriptError(ErrorKind::Exception, "Invalid floating point operation");
  retInt(c, static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(std::nearbyint(d)))));
}
void fTrunc(NativeCall& c) {
  double d = real(c, 0);
  if (!(std::fabs(d) < 9.2e18)) throw ScriptError(ErrorKind::Exception, "Invalid floating point operation");
  retInt(c, static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(std::trunc(d)))));
}
void fSin(NativeCall& c) { retReal(c, std::sin(real(c, 0))); }
void fCos(NativeCall& c) { retReal(c, std::cos(real(c, 0))); }
void fSqrt(NativeCall& c) {
  if (real(c, 0) < 0) throw ScriptError(ErrorKind::MathError, "Invalid floating point operation");
  retReal(c, std::sqrt(real(c, 0)));
}
void fInt(NativeCall& c) { retReal(c, std::trunc(real(c, 0))); }
void fAbs(NativeCall& c) { retReal(c, std::fabs(real(c, 0))); }
void fPi(NativeCall& c) { retReal(c, 3.14159265358979323846); }
void fVarIsEmpty(NativeCall& c) { retInt(c, c.arg(0).isEmpty()); }
void fVarIsNull(NativeCall& c) { retInt(c, c.arg(0).isNull()); }
void fVarType(NativeCall& c) { retInt(c, c.arg(0).type() & 0xFFFF); }
void fUnassigned(NativeCall& c) { c.result().clear(); }
void fNull(NativeCall& c) { c.result() = Value::null(); }
void fVarArrayGet(NativeCall& c) { c.result() = c.arg(0).arrayAt(num(c, 1)); }
void fVarArraySet(NativeCall& c) { c.arg(2).arraySet(num(c, 1), c.arg(0)); }
void fRaiseException(NativeCall& c) {
  int64_t k = num(c, 0);
  if (k < 0 || k >= kErrorKindCount) k = static_cast<int64_t>(ErrorKind::CustomError);
  throw ScriptError(static_cast<ErrorKind>(k), std::string(str(c, 1)));
}
void fRaiseLast(NativeCall& c) {
  Exec& e = c.exec();
  if (e.lastErrorKind() != ErrorKind::NoError) throw ScriptError(e.lastErrorKind(), e.lastErrorParam());
}
void fExceptionType(NativeCall& c) { retInt(c, static_cast<int64_t>(c.exec().lastErrorKind())); }
void fExceptionParam(NativeCall& c) { retStr(c, c.exec().lastErrorParam()); }
void fExceptionToString(NativeCall& c) {
  int64_t k = num(c, 0);
  if (k < 0 || k >= kErrorKindCount) k = 0;
  retStr(c, errorText(static_cast<ErrorKind>(k), std::string(str(c, 1))));
}
void fGetArrayLength(NativeCall& c) { retInt(c, c.arg(0).arrayHigh() - c.arg(0).arrayLow() + 1); }

}  // namespace

const std::vector<Builtin>& builtinFunctions() {
  static const std::vector<Builtin> list = {
      {"function IntToStr(I: Int64): string", "INTTOSTR", fIntToStr},
      {"function Int64ToStr(I: Int64): string", "INT64TOSTR", fIntToStr},
      {"function StrToInt(S: string): Integer", "STRTOINT", fStrToInt},
      {"function StrToIntDef(S: string; Def: Integer): Integer", "STRTOINTDEF", fStrToIntDef},
      {"function StrToInt64(S: string): Int64", "STRTOINT64", fStrToInt64},
      {"function StrToInt64Def(S: string; Def: Int64): Int64", "STRTOINT64DEF", fStrToInt64Def},
      {"function Copy(S: string; Index, Count: Integer): string", "COPY", fCopy},
      {"function Pos(SubStr, S: string): Integer", "POS", fPos},
      {"procedure Delete(var S: string; Index, Count: Integer)", "DELETE", fDelete},
      {"procedure Insert(Source: string; var Dest: string; Index: Integer)", "INSERT", fInsert},
      {"function UpperCase(S: string): string", "UPPERCASE", fUpper},
      {"function LowerCase(S: string): string", "LOWERCASE", fLower},
      {"function AnsiUpperCase(S: string): string", "ANSIUPPERCASE", fUpper},
      {"function AnsiLowerCase(S: string): string", "ANSILOWERCASE", fLower},
      {"function Trim(S: string): string", "TRIM", fTrim},
      {"function TrimLeft(S: string): string", "TRIMLEFT", fTrimLeft},
      {"function TrimRight(S: string): string", "TRIMRIGHT", fTrimRight},
      {"function PadL(S: string; I: Integer): string", "PADL", fPadL},
      {"function PadR(S: string; I: Integer): string", "PADR", fPadR},
      {"function PadZ(S: string; I: Integer): string", "PADZ", fPadZ},
      {"function Replicate(C: Char; I: Integer): string", "REPLICATE", fReplicate},
      {"function StringOfChar(C: Char; I: Integer): string", "STRINGOFCHAR", fReplicate},
      {"function StrGet(var S: string; I: Integer): Char", "STRGET", fStrGet},
      {"function StrGet2(S: string; I: Integer): Char", "STRGET2", fStrGet},
      {"procedure StrSet(C: Char; I: Integer; var S: string)", "STRSET", fStrSet},
      {"function WStrGet(var S: WideString; I: Integer): WideChar", "WSTRGET", fWStrGet},
      {"procedure WStrSet(C: WideChar; I: Integer; var S: WideString)", "WSTRSET", fWStrSet},
      {"function ExceptionProc: Cardinal", "EXCEPTIONPROC", fExceptionProc},
      {"function ExceptionPos: Cardinal", "EXCEPTIONPOS", fExceptionPos},
      {"function FloatToStr(E: Extended): string", "FLOATTOSTR", fFloatToStr},
      {"function StrToFloat(S: string): Extended", "STRTOFLOAT", fStrToFloat},
      {"function Round(E: Extended): LongInt", "ROUND", fRound},
      {"function Trunc(E: Extended): LongInt", "TRUNC", fTrunc},
      {"function Sin(E: Extended): Extended", "SIN", fSin},
      {"function Cos(E: Extended): Extended", "COS", fCos},
      {"function Sqrt(E: Extended): Extended", "SQRT", fSqrt},
      {"function Int(E: Extended): Extended", "INT", fInt},
      {"function Abs(E: Extended): Extended", "ABS", fAbs},
      {"function Pi: Extended", "PI", fPi},
      {"function VarIsEmpty(V: Variant): Boolean", "VARISEMPTY", fVarIsEmpty},
      {"function VarIsNull(V: Variant): Boolean", "VARISNULL", fVarIsNull},
      {"function VarType(V: Variant): Word", "VARTYPE", fVarType},
      {"function Unassigned: Variant", "UNASSIGNED", fUnassigned},
      {"function Null: Variant", "NULL", fNull},
      {"function VarArrayGet(var S: Variant; I: Integer): Variant", "VARARRAYGET", fVarArrayGet},
      {"procedure VarArraySet(C: Variant; I: Integer; var S: Variant)", "VARARRAYSET", fVarArraySet},
      {"procedure RaiseException(Ex: TIFException; Param: string)", "RAISEEXCEPTION", fRaiseException},
      {"procedure RaiseLastException", "RAISELASTEXCEPTION", fRaiseLast},
      {"function ExceptionType: TIFException", "EXCEPTIONTYPE", fExceptionType},
      {"function ExceptionParam: string", "EXCEPTIONPARAM", fExceptionParam},
      {"function ExceptionToString(Er: TIFException; Param: string): string", "EXCEPTIONTOSTRING", fExceptionToString},
      {"function GetArrayLength(Arr: Variant): Integer", "GETARRAYLENGTH", fGetArrayLength},
  };
  return list;
}

const Builtin* findBuiltin(std::string_view upperName) {
  static const auto index = [] {
    std::unordered_map<std::string_view, const Builtin*> m;
    for (const auto& b : builtinFunctions()) m[b.name] = &b;
    return m;
  }();
  auto it = index.find(upperName);
  return it == index.end() ? nullptr : it->second;
}

}  // namespace pscript
