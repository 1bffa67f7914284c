// The dialect's 8-bit strings are Windows-1252 text, as in the grid: bytes
// 0x80..0x9F carry the code page's typographic characters, and the five
// bytes the code page leaves undefined keep their own value, so that every
// byte goes to Qt and back unchanged.
#include <array>

#include "UiObjects.h"

namespace tarno::ui {

namespace {

constexpr char16_t kFirstHigh = 0x80;
constexpr char16_t kPastHigh = 0xA0;
constexpr char16_t kPastLatin1 = 0x100;
constexpr char kUnmapped = '?';

constexpr std::array<char16_t, kPastHigh - kFirstHigh> kHighCharacters = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

char16_t CharacterOf(unsigned char byte) {
  return byte >= kFirstHigh && byte < kPastHigh ? kHighCharacters[byte - kFirstHigh] : char16_t(byte);
}

char ByteOf(char16_t unit) {
  const bool controlRange = unit >= kFirstHigh && unit < kPastHigh;
  if (unit < kPastLatin1 && !controlRange) return static_cast<char>(unit);
  for (size_t i = 0; i < kHighCharacters.size(); ++i)
    if (kHighCharacters[i] == unit) return static_cast<char>(kFirstHigh + i);
  return kUnmapped;
}

}  // namespace

QString ToQt(const std::string& text) {
  QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  for (size_t i = 0; i < text.size(); ++i) out[static_cast<qsizetype>(i)] = QChar(CharacterOf(static_cast<unsigned char>(text[i])));
  return out;
}

std::string FromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) out += ByteOf(ch.unicode());
  return out;
}

}  // namespace tarno::ui
