// Host functions of the runner, with the behaviour the editor's script
// library gives them.
#include "host_functions.h"

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

constexpr int64_t kMaxFormatWidth = 1 << 20;      // width or precision of one Format item
constexpr int kMaxFixedDecimals = 18;
constexpr double kFixedNotationLimit = 1e18;      // beyond it %f prints the double as it is

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

[[noreturn]] void formatError(const std::string& fmt) {
  throw std::runtime_error("Invalid argument index in format \"" + fmt + "\"");
}

// Fixed notation as the RTL prints it: the value's shortest 15-digit decimal
// form, rounded half away from zero at the wanted decimal (0.35 gives 0.4).
std::string fixedDecimals(double d, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(d));
  std::string digits;
  for (const char* p = buf; *p && *p != 'e'; ++p)
    if (*p != '.') digits.push_back(*p);
  int exponent = std::atoi(std::strchr(buf, 'e') + 1) + 1;  // value = 0.digits x 10^exponent
  int keep = exponent + decimals;
  if (keep < 0) { digits.clear(); keep = 0; }
  if (static_cast<size_t>(keep) < digits.size()) {
    bool up = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    for (int at = keep - 1; up && at >= 0; --at) {
      if (digits[static_cast<size_t>(at)] == '9') { digits[static_cast<size_t>(at)] = '0'; continue; }
      ++digits[static_cast<size_t>(at)];
      up = false;
    }
    if (up) { digits.insert(digits.begin(), '1'); ++exponent; }
  }
  auto digitAt = [&](int i) { return i >= 0 && static_cast<size_t>(i) < digits.size() ? digits[static_cast<size_t>(i)] : '0'; };
  std::string text;
  for (int i = 0; i < exponent; ++i) text.push_back(digitAt(i));
  if (text.empty()) text = "0";
  if (decimals > 0) {
    text.push_back('.');
    for (int i = 0; i < decimals; ++i) text.push_back(digitAt(exponent + i));
  }
  bool zero = text.find_first_not_of("0.") == std::string::npos;
  return (std::signbit(d) && !zero ? "-" : "") + text;
}

// 1234567.89 -> 1,234,567.89 (%n).
std::string withThousands(const std::string& fixed) {
  size_t start = fixed.find_first_of("0123456789");
  size_t end = fixed.find('.');
  if (start == std::string::npos) return fixed;
  if (end == std::string::npos) end = fixed.size();
  std::string out = fixed.substr(0, start);
  for (size_t i = start; i < end; ++i) {
    if (i > start && (end - i) % 3 == 0) out.push_back(',');
    out.push_back(fixed[i]);
  }
  return out + fixed.substr(end);
}

// The RTL's Format for the argument kinds a script can pass.
std::string format(const std::string& fmt, const Value& args) {
  std::string out;
  int64_t next = 0, count = args.isArray() ? args.arrayHigh() - args.arrayLow() + 1 : 0;
  for (size_t i = 0; i < fmt.size(); ++i) {
    if (fmt[i] != '%') { out.push_back(fmt[i]); continue; }
    if (++i >= fmt.size()) break;
    if (fmt[i] == '%') { out.push_back('%'); continue; }
    size_t specStart = i;
    int64_t index = -1;
    size_t j = i;
    while (j < fmt.size() && isdigit(static_cast<unsigned char>(fmt[j]))) ++j;
    if (j < fmt.size() && fmt[j] == ':' && j > i) { index = std::stoll(fmt.substr(i, j - i)); i = j + 1; }
    bool left = false;
    if (i < fmt.size() && fmt[i] == '-') { left = true; ++i; }
    // Digits, or "*" taking the next argument (an integer).
    auto number = [&](int none) {
      if (i < fmt.size() && fmt[i] == '*') {
        ++i;
        if (index >= 0) { next = index; index = -1; }
        if (next >= count) formatError(fmt);
        const Value& n = args.arrayAt(args.arrayLow() + next++);
        if (!n.isInteger()) formatError(fmt);
        return static_cast<int>(std::clamp<int64_t>(n.rawInt(), 0, kMaxFormatWidth));
      }
      if (i >= fmt.size() || !isdigit(static_cast<unsigned char>(fmt[i]))) return none;
      int64_t v = 0;
      while (i < fmt.size() && isdigit(static_cast<unsigned char>(fmt[i]))) v = std::min<int64_t>(v * 10 + (fmt[i++] - '0'), kMaxFormatWidth);
      return static_cast<int>(v);
    };
    int width = number(-1), prec = -1;
    if (i < fmt.size() && fmt[i] == '.') { ++i; prec = number(0); }
    if (i >= fmt.size()) formatError(fmt);
    (void)specStart;
    char type = static_cast<char>(toupper(static_cast<unsigned char>(fmt[i])));
    if (index >= 0) next = index;
    if (next >= count) formatError(fmt);
    const Value& a = args.arrayAt(args.arrayLow() + next++);
    if (a.aux() == kVariantArgument && type != 'S') formatError(fmt);  // a Variant serves %s only
    std::string piece;
    char buf[512];
    switch (type) {
      case 'D': case 'U': {
        if (!a.isInteger()) throw std::runtime_error("Invalid argument index in format \"" + fmt + "\"");
        int64_t v = a.rawInt();
        piece = type == 'U' ? std::to_string(static_cast<uint32_t>(v)) : std::to_string(v);
        if (prec > 0) {
          bool neg = !piece.empty() && piece[0] == '-';
          std::string digits = neg ? piece.substr(1) : piece;
          while (static_cast<int>(digits.size()) < prec) digits.insert(0, "0");
          piece = (neg ? "-" : "") + digits;
        }
        break;
      }
      case 'X': {
        if (!a.isInteger()) formatError(fmt);
        std::snprintf(buf, sizeof buf, a.type() == varInt64 ? "%llX" : "%llX",
                      a.type() == varInt64 ? static_cast<unsigned long long>(a.rawInt()) : static_cast<unsigned long long>(static_cast<uint32_t>(a.rawInt())));
        piece = buf;
        while (prec > 0 && static_cast<int>(piece.size()) < prec) piece.insert(0, "0");
        break;
      }
      case 'F': case 'E': case 'G': case 'N': case 'M': {
        double d = a.toReal();
        int p = prec < 0 ? (type == 'G' ? 15 : 2) : prec;
        if (type == 'E') std::snprintf(buf, sizeof buf, "%.*E", prec < 0 ? 14 : std::max(prec - 1, 0), d);
        else if (type == 'G') std::snprintf(buf, sizeof buf, "%.*G", p, d);
        if (type == 'E' || type == 'G') piece = buf;
        else if (!std::isfinite(d) || std::fabs(d) >= kFixedNotationLimit) { std::snprintf(buf, sizeof buf, "%.*f", p, d); piece = buf; }
        else piece = fixedDecimals(d, std::min(p, kMaxFixedDecimals));
        if (type == 'N') piece = withThousands(piece);
        break;
      }
      case 'S': piece = a.toString(); if (prec >= 0 && static_cast<int>(piece.size()) > prec) piece.resize(static_cast<size_t>(prec)); break;
      case 'P': std::snprintf(buf, sizeof buf, "%016llX", static_cast<unsigned long long>(a.rawInt())); piece = buf; break;
      default: formatError(fmt);
    }
    if (width > static_cast<int>(piece.size())) {
      std::string fill(static_cast<size_t>(width) - piece.size(), ' ');
      piece = left ? piece + fill : fill + piece;
    }
    out += piece;
  }
  return out;
}

void hFormat(NativeCall& c) { c.result() = Value::string(format(std::string(c.arg(0).rawString()), c.arg(1))); }

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
