#include "Utf.h"

#include <cstdint>

namespace tarno::text {
namespace {

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t DecodeUtf8(std::string_view s, size_t& pos) {
  const auto lead = static_cast<uint8_t>(s[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  const int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 && lead < 0xF0 ? 2
                  : lead >= 0xC2 && lead < 0xE0 ? 1 : 0;
  if (extra == 0 || pos + extra >= s.size()) {
    ++pos;
    return 0xFFFD;
  }
  char32_t cp = lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const auto cont = static_cast<uint8_t>(s[pos + i]);
    if ((cont & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (cont & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[extra] || cp > 0x10FFFF) {
    ++pos;
    return 0xFFFD;
  }
  pos += extra + 1;
  return cp;
}


std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  Utf8ToUtf16(text, out);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  Utf16ToUtf8(text, out);
  return out;
}

void Utf8ToUtf16(std::string_view text, std::u16string& out) {
  out.clear();
  for (size_t pos = 0; pos < text.size();) AppendUtf16(out, DecodeUtf8(text, pos));
}

void Utf16ToUtf8(std::u16string_view text, std::string& out) {
  // Most cell texts are plain ASCII: copy those without the per-character encoder.
  out.resize(text.size());
  size_t ascii = 0;
  while (ascii < text.size() && text[ascii] < 0x80) {
    out[ascii] = static_cast<char>(text[ascii]);
    ++ascii;
  }
  out.resize(ascii);
  text.remove_prefix(ascii);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    const bool high = cp >= 0xD800 && cp <= 0xDBFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    }  // a lone surrogate is kept as its own 3-byte sequence, so no unit is lost
    AppendUtf8(out, cp);
  }
}

}  // namespace tarno::text
