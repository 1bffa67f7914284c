// Text measuring for column widths and row heights. The widget measures with
// its font; headless code uses a fixed-width measure.
#pragma once

#include <string_view>

namespace tarno::grid {

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int TextWidth(std::string_view utf8, bool bold) const = 0;
  virtual int TextHeight(bool bold) const = 0;
  // Height of the text wrapped at word boundaries into width pixels.
  virtual int WrappedHeight(std::string_view utf8, int width) const;
};

// Every character the same width: what a monospaced font gives, and what
// headless runs and tests use.
class FixedWidthMeasure : public TextMeasure {
 public:
  explicit FixedWidthMeasure(int charWidth = 7, int lineHeight = 14, int boldExtra = 1)
      : charWidth_(charWidth), lineHeight_(lineHeight), boldExtra_(boldExtra) {}
  int TextWidth(std::string_view utf8, bool bold) const override;
  int TextHeight(bool bold) const override;

 private:
  int charWidth_;
  int lineHeight_;
  int boldExtra_;
};

// Number of characters (code points) in UTF-8 text.
size_t Utf8Length(std::string_view utf8);

}  // namespace tarno::grid
