#include "text_values.h"

#include "text.h"

namespace pscript {
namespace {

constexpr size_t kInlineWideChars = Value::kInlineTextBytes / sizeof(char16_t);

template <class Char>
bool isAscii(std::basic_string_view<Char> s) {
  for (Char c : s)
    if (static_cast<uint32_t>(c) >= 0x80) return false;
  return true;
}

}  // namespace

Value wideValueOfAnsi(std::string_view s) {
  if (s.size() > kInlineWideChars || !isAscii(s)) return Value::wideString(ansiToUtf16(s));
  char16_t wide[kInlineWideChars];
  for (size_t k = 0; k < s.size(); ++k) wide[k] = static_cast<char16_t>(s[k]);
  return Value::wideString(std::u16string_view(wide, s.size()));
}

Value ansiValueOfWide(std::u16string_view s) {
  if (s.size() > Value::kInlineTextBytes || !isAscii(s)) return Value::string(utf16ToAnsi(s));
  char narrow[Value::kInlineTextBytes];
  for (size_t k = 0; k < s.size(); ++k) narrow[k] = static_cast<char>(s[k]);
  return Value::string(std::string_view(narrow, s.size()));
}

}  // namespace pscript
