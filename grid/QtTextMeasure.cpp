#include "QtTextMeasure.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include "Utf8Text.h"

namespace tarno::grid {
namespace {

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

bool IsPrintableAscii(std::string_view text) {
  for (char c : text)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}

}  // namespace

QtTextMeasure::QtTextMeasure(const QFont& font)
    : normal_(font), bold_(Bold(font)), fixedPitch_(QFontInfo(font).fixedPitch()) {
  // Fractional advances, summed and rounded once, as the font metrics do for a string.
  const QFontMetricsF normal(font);
  const QFontMetricsF bold(Bold(font));
  for (int c = 0x20; c < 0x7F; ++c) {
    normalAdvance_[static_cast<size_t>(c)] = normal.horizontalAdvance(QChar(c));
    boldAdvance_[static_cast<size_t>(c)] = bold.horizontalAdvance(QChar(c));
  }
}

int QtTextMeasure::AsciiWidth(std::string_view text, bool bold) const {
  const std::array<qreal, 128>& advance = bold ? boldAdvance_ : normalAdvance_;
  qreal width = 0;
  for (char c : text) width += advance[static_cast<unsigned char>(c)];
  return qRound(width);
}

int QtTextMeasure::TextWidth(std::string_view utf8, bool bold) const {
  if (fixedPitch_ && IsPrintableAscii(utf8)) return AsciiWidth(utf8, bold);
  return (bold ? bold_ : normal_).horizontalAdvance(ToQString(utf8));
}

int QtTextMeasure::TextHeight(bool bold) const { return (bold ? bold_ : normal_).height(); }

}  // namespace tarno::grid
