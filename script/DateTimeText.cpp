#include "DateTimeText.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "DateTimeFunctions.h"

namespace tarno {

namespace {

constexpr const char* kShortDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kLongDays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kLongMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
constexpr int kMaxNesting = 2;  // formats that name other formats (ddddd, c, t) go this deep

std::string Padded(int value, size_t width) {
  std::string text = std::to_string(value);
  while (text.size() < width) text.insert(0, "0");
  return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

size_t RunLength(std::string_view format, size_t at) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(format[at])));
  size_t length = 0;
  while (at + length < format.size() &&
         std::toupper(static_cast<unsigned char>(format[at + length])) == upper)
    ++length;
  return length;
}

bool UsesTwelveHourClock(std::string_view format) {
  char quote = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (quote) {
      if (format[i] == quote) quote = 0;
    } else if (format[i] == '"' || format[i] == '\'') {
      quote = format[i];
    } else if (StartsWithNoCase(format.substr(i), "am/pm") || StartsWithNoCase(format.substr(i), "a/p") ||
               StartsWithNoCase(format.substr(i), "ampm")) {
      return true;
    }
  }
  return false;
}

class DateTimeFormatter {
 public:
  DateTimeFormatter(double value, const DateTimeSettings& settings)
      : date_(DecodeDate(value)), time_(DecodeTime(value)), weekday_(DayOfWeek(value)),
        hasTime_(value != std::trunc(value)), settings_(settings) {}

  void Append(std::string_view format, int depth) {
    const bool twelveHour = UsesTwelveHourClock(format);
    char lastToken = 0;
    size_t at = 0;
    while (at < format.size()) {
      const char ch = format[at];
      const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      if (ch == '"' || ch == '\'') {
        const size_t end = format.find(ch, at + 1);
        out_ += format.substr(at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1);
        at = end == std::string_view::npos ? format.size() : end + 1;
      } else if (upper == 'A') {
        at += AmPm(format.substr(at));
      } else if (ch == '/') {
        out_.push_back(settings_.dateSeparator);
        ++at;
      } else if (ch == ':') {
        out_.push_back(settings_.timeSeparator);
        ++at;
      } else if (std::string_view("CDMYHNSZT").find(upper) != std::string_view::npos) {
        const size_t length = RunLength(format, at);
        Token(upper, length, lastToken, twelveHour, depth);
        lastToken = upper;
        at += length;
      } else {
        out_.push_back(ch);
        ++at;
      }
    }
  }

  const std::string& Text() const { return out_; }

 private:
  size_t AmPm(std::string_view rest) {
    const bool pm = time_.hour >= 12;
    if (StartsWithNoCase(rest, "am/pm")) {
      out_ += std::string(pm ? rest.substr(3, 2) : rest.substr(0, 2));
      return 5;
    }
    if (StartsWithNoCase(rest, "a/p")) {
      out_ += std::string(pm ? rest.substr(2, 1) : rest.substr(0, 1));
      return 3;
    }
    if (StartsWithNoCase(rest, "ampm")) {
      out_ += pm ? settings_.timePm : settings_.timeAm;
      return 4;
    }
    out_.push_back(rest[0]);
    return 1;
  }

  void Nested(const std::string& format, int depth) {
    if (depth < kMaxNesting) Append(format, depth + 1);
  }

  void Token(char token, size_t length, char lastToken, bool twelveHour, int depth) {
    switch (token) {
      case 'C':
        Nested(settings_.shortDateFormat, depth);
        if (hasTime_) {
          out_.push_back(' ');
          Nested(settings_.longTimeFormat, depth);
        }
        break;
      case 'D': Day(length, depth); break;
      case 'M':
        if (lastToken == 'H') out_ += Padded(time_.minute, length >= 2 ? 2 : 1);
        else Month(length);
        break;
      case 'Y': out_ += length <= 2 ? Padded(date_.year % 100, 2) : Padded(date_.year, 4); break;
      case 'H': out_ += Padded(twelveHour ? (time_.hour + 11) % 12 + 1 : time_.hour, length >= 2 ? 2 : 1); break;
      case 'N': out_ += Padded(time_.minute, length >= 2 ? 2 : 1); break;
      case 'S': out_ += Padded(time_.second, length >= 2 ? 2 : 1); break;
      case 'Z': out_ += Padded(time_.millisecond, length >= 3 ? 3 : 1); break;
      case 'T': Nested(length >= 2 ? settings_.longTimeFormat : settings_.shortTimeFormat, depth); break;
      default: break;
    }
  }

  void Day(size_t length, int depth) {
    if (length <= 2) out_ += Padded(date_.day, length);
    else if (length == 3) out_ += kShortDays[weekday_ - 1];
    else if (length == 4) out_ += kLongDays[weekday_ - 1];
    else if (length == 5) Nested(settings_.shortDateFormat, depth);
    else Nested(settings_.longDateFormat, depth);
  }

  void Month(size_t length) {
    if (date_.month < 1) return;
    if (length <= 2) out_ += Padded(date_.month, length);
    else if (length == 3) out_ += kShortMonths[date_.month - 1];
    else out_ += kLongMonths[date_.month - 1];
  }

  CalendarDate date_;
  ClockTime time_;
  int weekday_;
  bool hasTime_;
  const DateTimeSettings& settings_;
  std::string out_;
};

[[noreturn]] void InvalidDate(std::string_view text) {
  throw DateTimeError("'" + std::string(text) + "' is not a valid date");
}

std::string Trimmed(std::string_view text) {
  size_t first = 0, last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  return std::string(text.substr(first, last - first));
}

// The order of day, month and year in the short date format, e.g. "DMY".
std::string FieldOrder(const std::string& format) {
  std::string order;
  for (const char ch : format) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if ((upper == 'D' || upper == 'M' || upper == 'Y') && order.find(upper) == std::string::npos) order.push_back(upper);
  }
  return order.size() == 3 ? order : "DMY";
}

int ExpandYear(int year, size_t digits, int currentYear, int window) {
  if (digits > 2) return year;
  int expanded = currentYear / 100 * 100 + year;
  if (expanded > currentYear + window) expanded -= 100;
  else if (expanded <= currentYear - window) expanded += 100;
  return expanded;
}

}  // namespace

const DateTimeSettings& ScriptDateTimeSettings() {
  static const DateTimeSettings settings;
  return settings;
}

std::string FormatDateTimeText(std::string_view format, double value, const DateTimeSettings& settings) {
  DateTimeFormatter formatter(value, settings);
  formatter.Append(format.empty() ? std::string_view("c") : format, 0);
  return formatter.Text();
}

std::string DateToText(double value, const DateTimeSettings& settings) {
  return FormatDateTimeText("ddddd", value, settings);
}

double TextToDate(std::string_view text, int currentYear, const DateTimeSettings& settings) {
  const std::string trimmed = Trimmed(text);
  std::vector<std::string> parts(1);
  for (const char ch : trimmed) {
    if (ch == settings.dateSeparator) parts.emplace_back();
    else if (ch >= '0' && ch <= '9' && parts.back().size() < 5) parts.back().push_back(ch);
    else InvalidDate(text);
  }
  if (parts.size() < 2 || parts.size() > 3) InvalidDate(text);
  for (const std::string& part : parts)
    if (part.empty()) InvalidDate(text);
  const std::string order = FieldOrder(settings.shortDateFormat);
  int day = 0, month = 0, year = currentYear;
  size_t index = 0;
  for (const char field : order) {
    if (field == 'Y' && parts.size() == 2) continue;
    const std::string& part = parts[index++];
    const int number = std::stoi(part);
    if (field == 'D') day = number;
    else if (field == 'M') month = number;
    else year = ExpandYear(number, part.size(), currentYear, settings.twoDigitYearWindow);
  }
  double value = 0;
  if (!TryEncodeDate(year, month, day, value)) InvalidDate(text);
  return value;
}

}  // namespace tarno
