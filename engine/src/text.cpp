// Text helpers: UTF-8/UTF-16, case, number parsing and formatting.
#include "text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pscript {

std::u16string utf8ToUtf16(std::string_view s) {
  size_t ascii = 0;
  while (ascii < s.size() && static_cast<unsigned char>(s[ascii]) < 0x80) ++ascii;
  std::u16string out(ascii, u'\0');
  for (size_t k = 0; k < ascii; ++k) out[k] = static_cast<char16_t>(s[k]);
  if (ascii == s.size()) return out;
  out.reserve(s.size());
  size_t i = ascii;
  while (i < s.size()) {
    auto c = static_cast<unsigned char>(s[i]);
    uint32_t cp = 0;
    size_t len = 1;
    if (c < 0x80) cp = c;
    else if ((c >> 5) == 6) { cp = c & 0x1F; len = 2; }
    else if ((c >> 4) == 14) { cp = c & 0x0F; len = 3; }
    else if ((c >> 3) == 30) { cp = c & 0x07; len = 4; }
    else { out.push_back(u'?'); ++i; continue; }
    if (i + len > s.size()) { out.push_back(u'?'); break; }
    bool ok = true;
    for (size_t k = 1; k < len; ++k) {
      auto cc = static_cast<unsigned char>(s[i + k]);
      if ((cc >> 6) != 2) { ok = false; break; }
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok) { out.push_back(u'?'); ++i; continue; }
    i += len;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string utf16ToAnsi(std::u16string_view s) {
  size_t ascii = 0;
  while (ascii < s.size() && s[ascii] < 0x80) ++ascii;
  std::string out(ascii, '\0');
  for (size_t k = 0; k < ascii; ++k) out[k] = static_cast<char>(s[k]);
  if (ascii == s.size()) return out;
  out.reserve(s.size());
  for (size_t i = ascii; i < s.size(); ++i) {
    uint32_t cp = s[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::string upperAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return r;
}

std::string lowerAscii(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

namespace {
int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}
}  // namespace

bool parseInt64(std::string_view s, int64_t& out) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') { base = 16; ++i; }
  else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) { base = 16; i += 2; }
  if (i >= s.size()) return false;
  uint64_t v = 0;
  for (; i < s.size(); ++i) {
    int d = digitValue(s[i]);
    if (d >= base) return false;
    uint64_t next = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (base == 10 && next > (neg ? 9223372036854775808ULL : 9223372036854775807ULL)) return false;
    if (base == 16 && v > (~0ULL >> 4)) return false;
    v = next;
  }
  out = neg ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
  return true;
}

bool parseReal(std::string_view s, double& out) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  std::string t(s.substr(i));
  if (t.empty()) return false;
  for (char c : t)
    if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
      return false;
  char* end = nullptr;
  out = std::strtod(t.c_str(), &end);
  return end && *end == 0;
}

std::string rtlFloatToStr(double d) {
  if (std::isnan(d)) return "Nan";
  if (std::isinf(d)) return d > 0 ? "+Inf" : "-Inf";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", d);
  std::string s = buf;
  auto e = s.find('E');
  if (e == std::string::npos) return s;
  // The RTL writes E+20 / E-05 as E+20 / E-5 with at least 2 digits... keep sign, trim zeros.
  // The RTL writes 1E20 and 1E-7: no plus sign, no leading zeros.
  std::string mant = s.substr(0, e), ex = s.substr(e + 1);
  char sign = ex[0];
  std::string digits = ex.substr(1);
  while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
  return mant + "E" + (sign == '-' ? "-" : "") + digits;
}

std::string engineFloatToStr(double d) {
  // Twelve decimals, but no more than 21 significant digits: the rest are zeros.
  constexpr int kDecimals = 12, kSignificant = 21;
  char buf[400];
  double mag = std::fabs(d);
  int intDigits = mag >= 1 ? static_cast<int>(std::floor(std::log10(mag))) + 1 : 0;
  int decimals = std::min(kDecimals, std::max(0, kSignificant - intDigits));
  if (!std::isfinite(d) || intDigits > 300) decimals = kDecimals;
  std::snprintf(buf, sizeof buf, "%.*f", decimals, d);
  std::string s = buf;
  if (decimals < kDecimals && std::isfinite(d)) {
    if (decimals == 0) s += ".";
    s.append(static_cast<size_t>(kDecimals - decimals), '0');
  }
  return s;
}

}  // namespace pscript
