// Dates and times as text: FormatDateTime, DateToStr and StrToDate with fixed
// settings, so the script's results do not depend on the machine's locale.
#pragma once

#include <string>
#include <string_view>

namespace tarno {

struct DateTimeSettings {
  char dateSeparator = '-';
  char timeSeparator = ':';
  std::string shortDateFormat = "d/m/yy";
  std::string longDateFormat = "dd\" \"mmmm\" \"yyyy";
  std::string shortTimeFormat = "hh:nn";
  std::string longTimeFormat = "hh:nn:ss";
  std::string timeAm = "AM";
  std::string timePm = "PM";
  int twoDigitYearWindow = 50;  // a two-digit year lands within this many years of the current one
};
const DateTimeSettings& ScriptDateTimeSettings();

// The tokens c d dd ddd dddd ddddd dddddd m mm mmm mmmm (minutes after h)
// yy yyyy h hh n nn s ss z zzz t tt am/pm a/p ampm / : and quoted literals.
// An empty format stands for "c".
std::string FormatDateTimeText(std::string_view format, double value,
                               const DateTimeSettings& settings = ScriptDateTimeSettings());
std::string DateToText(double value, const DateTimeSettings& settings = ScriptDateTimeSettings());
// Day, month and optional year in the short date format's order, split by
// the date separator. Throws DateTimeError.
double TextToDate(std::string_view text, int currentYear, const DateTimeSettings& settings = ScriptDateTimeSettings());

}  // namespace tarno
