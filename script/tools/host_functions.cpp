// Host functions of the runner, with the behaviour the editor's script
// library gives them.
#include "host_functions.h"

#include "DelphiFormat.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <stdexcept>
#include <string>

namespace pscript::run {

namespace {


std::string hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", v);
  return buf;
}

void hIntToHexStr(NativeCall& c) { c.result() = Value::string(hex(static_cast<uint32_t>(c.arg(0).rawInt()))); }

void hPos(NativeCall& c) {
  std::string_view sub = c.arg(0).rawString(), s = c.arg(1).rawString();
  size_t at = sub.empty() ? std::string_view::npos : s.find(sub);
  c.result().setInt(at == std::string_view::npos ? 0 : static_cast<int64_t>(at) + 1);
}

void hCopy(NativeCall& c) {
  std::string_view s = c.arg(0).rawString();
  int64_t index = c.arg(1).rawInt(), count = c.arg(2).rawInt();
  if (index < 1) index = 1;
  if (count <= 0 || index > static_cast<int64_t>(s.size())) { c.result() = Value::string(""); return; }
  auto from = static_cast<size_t>(index - 1);
  c.result() = Value::string(s.substr(from, static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(s.size() - from)))));
}

void hDelete(NativeCall& c) {
  Value& v = c.arg(0);
  std::string s(v.rawString());
  int64_t index = c.arg(1).rawInt(), count = c.arg(2).rawInt();
  if (index < 1 || index > static_cast<int64_t>(s.size()) || count <= 0) return;
  s.erase(static_cast<size_t>(index - 1), static_cast<size_t>(std::min<int64_t>(count, static_cast<int64_t>(s.size()) - index + 1)));
  v = Value::string(s);
}

// The editor's Format, so that both runners print the same.
void hFormat(NativeCall& c) {
  try {
    c.result() = Value::string(tarno::FormatText(c.arg(0).rawString(), c.arg(1)));
  } catch (const tarno::FormatError& e) {
    throw std::runtime_error(e.what());
  }
}

int digitOf(char ch, bool hexDigits) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (hexDigits && ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (hexDigits && ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// Code 0 on success, else the 1-based position of the first unusable character.
void hValInt(NativeCall& c) {
  std::string_view s = c.arg(0).rawString();
  Value& res = c.arg(1);
  Value& code = c.arg(2);
  res.setInt(0);
  code.setInt(0);
  size_t n = s.size(), i = 0;
  while (i < n && s[i] == ' ') ++i;
  bool neg = false, isHex = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  if (i < n && s[i] == '$') { isHex = true; ++i; }
  else if (i < n && (s[i] == 'x' || s[i] == 'X')) { isHex = true; ++i; }
  else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) { isHex = true; i += 2; }
  if (i >= n) { code.setInt(static_cast<int64_t>(i) + 1); return; }
  uint64_t v = 0;
  int digits = 0;
  for (; i < n; ++i) {
    int d = digitOf(s[i], isHex);
    if (d < 0) { code.setInt(static_cast<int64_t>(i) + 1); return; }
    if (isHex) {
      if (v != 0 || d != 0) ++digits;
      if (digits > 8) { code.setInt(static_cast<int64_t>(i) + 1); return; }
      v = v * 16 + static_cast<uint64_t>(d);
    } else {
      v = v * 10 + static_cast<uint64_t>(d);
      if ((!neg && v > 2147483647ULL) || (neg && v > 2147483648ULL)) { code.setInt(static_cast<int64_t>(i) + 1); return; }
    }
  }
  int32_t r = isHex ? static_cast<int32_t>(static_cast<uint32_t>(v)) : static_cast<int32_t>(static_cast<int64_t>(v));
  if (neg) r = static_cast<int32_t>(0u - static_cast<uint32_t>(r));
  res.setInt(r);
}

void hValExt(NativeCall& c) {
  std::string s(c.arg(0).rawString());
  Value& res = c.arg(1);
  Value& code = c.arg(2);
  size_t i = 0, n = s.size();
  while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
  size_t start = i;
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++digits; }
  if (i < n && s[i] == '.') { ++i; while (i < n && isdigit(static_cast<unsigned char>(s[i]))) { ++i; ++digits; } }
  if (digits > 0 && i < n && (s[i] == 'e' || s[i] == 'E')) {
    size_t e = i + 1;
    if (e < n && (s[e] == '+' || s[e] == '-')) ++e;
    if (e < n && isdigit(static_cast<unsigned char>(s[e]))) { i = e; while (i < n && isdigit(static_cast<unsigned char>(s[i]))) ++i; }
    else { code.setInt(static_cast<int64_t>(e) + 1); res.setReal(0); return; }
  }
  if (digits == 0 || i < n) { code.setInt(static_cast<int64_t>(digits == 0 ? (i < n ? i : n) : i) + 1); res.setReal(0); return; }
  res.setReal(std::strtod(s.c_str() + start, nullptr));
  code.setInt(0);
}

void hVarGetIndexed(NativeCall& c) {
  const Value& v = c.arg(0);
  int64_t i = c.arg(1).rawInt();
  if (!v.isArray()) c.result() = v;
  else if (const Value* element = v.arrayElement(i)) c.result() = *element;
  else c.result() = Value::integer(0, varByte);
}

void hVarSetIndexed(NativeCall& c) {
  Value& v = c.arg(0);
  int64_t i = c.arg(1).rawInt();
  if (v.isArray() && i >= v.arrayLow() && i <= v.arrayHigh()) v.arraySet(i, c.arg(2));
}

void hVarArraySize(NativeCall& c) {
  const Value& v = c.arg(0);
  c.result().setInt(v.isArray() ? v.arrayHigh() - v.arrayLow() + 1 : 0);
}

void hVarIsArray(NativeCall& c) { c.result().setInt(c.arg(0).isArray()); }

void hGetTickCount(NativeCall& c) {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000 + static_cast<uint64_t>(ts.tv_nsec) / 1000000;
  c.result().setInt(static_cast<int32_t>(static_cast<uint32_t>(ms)));
}

void hWriteLn(NativeCall& c) {
  std::string_view s = c.arg(0).rawString();
  if (!s.empty()) std::fwrite(s.data(), 1, s.size(), stdout);  // an empty view may have no data pointer
  std::fputc('\n', stdout);
}

struct HostFn {
  const char* declaration;
  const char* name;
  NativeFn fn;
};

const HostFn kHost[] = {
    {"function IntToHexStr(VarIn: LongInt): string", "IntToHexStr", hIntToHexStr},
    {"function Pos(Substr: string; S: string): Integer", "Pos", hPos},
    {"function Copy(S: string; Index: Integer; Count: Integer): string", "Copy", hCopy},
    {"procedure Delete(var S: string; Index: Integer; Count: Integer)", "Delete", hDelete},
    {"function Format(const Format: string; const Args: array of const): string", "Format", hFormat},
    {"procedure ValInt(const S: string; var Result: Integer; var Code: Integer)", "ValInt", hValInt},
    {"procedure ValExt(const S: string; var Result: Extended; var Code: Integer)", "ValExt", hValExt},
    {"function VarGetIndexed(VarIn: Variant; Index: Integer): Variant", "VarGetIndexed", hVarGetIndexed},
    {"procedure VarSetIndexed(var VarIn: Variant; Index: Integer; Value: Variant)", "VarSetIndexed", hVarSetIndexed},
    {"function VarArraySize(VarIn: Variant): Integer", "VarArraySize", hVarArraySize},
    {"function VarIsArray(V: Variant): Boolean", "VarIsArray", hVarIsArray},
    {"function GetTickCount: LongInt", "GetTickCount", hGetTickCount},
    {"procedure WriteLn(S: string)", "WriteLn", hWriteLn},
};

}  // namespace

void registerHostCompileTime(Compiler& c) {
  for (const HostFn& h : kHost) c.addFunction(h.declaration);
}

void registerHostRunTime(Exec& e) {
  for (const HostFn& h : kHost) e.registerFunction(h.name, h.fn);
}

}  // namespace pscript::run
