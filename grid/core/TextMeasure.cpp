#include "TextMeasure.h"

namespace tarno::grid {

size_t Utf8Length(std::string_view utf8) {
  size_t count = 0;
  for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

int TextMeasure::WrappedHeight(std::string_view utf8, int width) const {
  // Greedy word wrap: a word that does not fit on the current line starts a new one.
  const int lineHeight = TextHeight(false);
  if (width <= 0) return lineHeight;
  int lines = 1;
  int used = 0;
  const int space = TextWidth(" ", false);
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t blank = utf8.find(' ', pos);
    const std::string_view word = utf8.substr(pos, blank == std::string_view::npos ? std::string_view::npos : blank - pos);
    const int wordWidth = TextWidth(word, false);
    if (used > 0 && used + space + wordWidth > width) {
      ++lines;
      used = wordWidth;
    } else {
      used += (used > 0 ? space : 0) + wordWidth;
    }
    if (blank == std::string_view::npos) break;
    pos = blank + 1;
  }
  return lines * lineHeight;
}

int FixedWidthMeasure::TextWidth(std::string_view utf8, bool bold) const {
  return static_cast<int>(Utf8Length(utf8)) * (charWidth_ + (bold ? boldExtra_ : 0));
}

int FixedWidthMeasure::TextHeight(bool) const { return lineHeight_; }

}  // namespace tarno::grid
