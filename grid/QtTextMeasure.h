// Text measuring with the grid's font, so column widths and fitted row heights
// computed by the data model match what the widget draws. Bold is the header's.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <array>

#include "TextMeasure.h"

namespace tarno::grid {

class QtTextMeasure : public TextMeasure {
 public:
  explicit QtTextMeasure(const QFont& font);
  int TextWidth(std::string_view utf8, bool bold) const override;
  int TextHeight(bool bold) const override;

 private:
  // Fitting rows measures every cell of the grid: for a fixed-pitch font, plain
  // ASCII text is summed from a table instead of being shaped.
  int AsciiWidth(std::string_view text, bool bold) const;

  QFontMetrics normal_;
  QFontMetrics bold_;
  bool fixedPitch_;
  std::array<qreal, 128> normalAdvance_{};
  std::array<qreal, 128> boldAdvance_{};
};

}  // namespace tarno::grid
