#include "DelphiFormat.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include <pscript/pscript.h>
#include <pscript/value.h>

namespace tarno {

namespace {

constexpr int kDefaultFloatDigits = 15;  // significant digits of a double
constexpr int kExactFloatDigits = 17;    // all a double has: %e and %g show them
constexpr int kDefaultFixedDecimals = 2;

struct Placeholder {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;  // upper case
};

// A finite number as digits d1 d2 ... with value 0.d1d2... x 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  int exponent = 0;
};

Decimal ToDecimal(double value, int significant = kDefaultFloatDigits) {
  Decimal result;
  result.negative = std::signbit(value) && value != 0;
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                                     significant - 1);
  const std::string_view text(buffer, static_cast<size_t>(written.ptr - buffer));
  const size_t e = text.find('e');
  for (const char ch : text.substr(0, e))
    if (ch != '.') result.digits.push_back(ch);
  int exponent = 0;
  const std::string_view exponentText = text.substr(e + 1);
  std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                  exponentText.data() + exponentText.size(), exponent);
  result.exponent = exponent + 1;
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  if (result.digits.empty()) result.exponent = 0;
  return result;
}

// Keeps `keep` leading digits, rounding half away from zero.
void RoundDigits(Decimal& number, int keep) {
  if (keep < 0) {
    number.digits.clear();
    return;
  }
  if (static_cast<size_t>(keep) >= number.digits.size()) return;
  const bool up = number.digits[static_cast<size_t>(keep)] >= '5';
  number.digits.resize(static_cast<size_t>(keep));
  if (up) {
    int at = keep - 1;
    while (at >= 0 && number.digits[static_cast<size_t>(at)] == '9') number.digits[static_cast<size_t>(at--)] = '0';
    if (at >= 0) {
      ++number.digits[static_cast<size_t>(at)];
    } else {
      number.digits.insert(number.digits.begin(), '1');
      ++number.exponent;
    }
  }
  while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
  if (number.digits.empty()) number.exponent = 0;
}

char DigitAt(const Decimal& number, int index) {
  return index >= 0 && static_cast<size_t>(index) < number.digits.size() ? number.digits[static_cast<size_t>(index)] : '0';
}

std::string GroupThousands(const std::string& integerPart) {
  std::string grouped;
  const size_t length = integerPart.size();
  for (size_t i = 0; i < length; ++i) {
    if (i > 0 && (length - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(integerPart[i]);
  }
  return grouped;
}

// Fixed notation with `decimals` digits after the point; the sign is left to the caller.
std::string FixedDigits(double value, int decimals, bool thousands, bool& negative) {
  Decimal number = ToDecimal(value);
  RoundDigits(number, number.exponent + decimals);
  negative = number.negative && !number.digits.empty();
  std::string integerPart;
  for (int i = 0; i < number.exponent; ++i) integerPart.push_back(DigitAt(number, i));
  if (integerPart.empty()) integerPart = "0";
  if (thousands) integerPart = GroupThousands(integerPart);
  if (decimals <= 0) return integerPart;
  std::string fraction;
  for (int i = 0; i < decimals; ++i) fraction.push_back(DigitAt(number, number.exponent + i));
  return integerPart + "." + fraction;
}

std::string WithSign(bool negative, const std::string& text) { return negative ? "-" + text : text; }

std::string FixedText(double value, int decimals, bool thousands) {
  bool negative = false;
  const std::string digits = FixedDigits(value, decimals, thousands, negative);
  return WithSign(negative, digits);
}

std::string ExponentText(int exponent, int minimumDigits, bool plusSign) {
  std::string digits = std::to_string(std::abs(exponent));
  while (static_cast<int>(digits.size()) < minimumDigits) digits.insert(0, "0");
  return std::string("E") + (exponent < 0 ? "-" : plusSign ? "+" : "") + digits;
}

// d.ddd...E+ddd with `significant` digits in all.
std::string ScientificText(double value, int significant) {
  Decimal number = ToDecimal(value, kExactFloatDigits);
  RoundDigits(number, significant);
  std::string mantissa(1, DigitAt(number, 0));
  mantissa += ".";
  for (int i = 1; i < significant; ++i) mantissa.push_back(DigitAt(number, i));
  const int exponent = number.digits.empty() ? 0 : number.exponent - 1;
  return WithSign(number.negative && !number.digits.empty(), mantissa + ExponentText(exponent, 3, true));
}

// The shorter of fixed and scientific, without trailing zeros.
std::string GeneralText(double value, int significant) {
  Decimal number = ToDecimal(value, kExactFloatDigits);
  RoundDigits(number, significant);
  if (number.digits.empty()) return "0";
  const std::string sign = number.negative ? "-" : "";
  const bool fixed = number.exponent <= significant && std::fabs(value) >= 0.00001;
  if (fixed) {
    std::string integerPart;
    for (int i = 0; i < number.exponent; ++i) integerPart.push_back(DigitAt(number, i));
    if (integerPart.empty()) integerPart = "0";
    std::string fraction(static_cast<size_t>(std::max(-number.exponent, 0)), '0');
    for (size_t i = static_cast<size_t>(std::max(number.exponent, 0)); i < number.digits.size(); ++i)
      fraction.push_back(number.digits[i]);
    return sign + integerPart + (fraction.empty() ? "" : "." + fraction);
  }
  std::string mantissa(1, number.digits[0]);
  if (number.digits.size() > 1) mantissa += "." + number.digits.substr(1);
  return sign + mantissa + ExponentText(number.exponent - 1, 0, false);
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

bool IsIntegerArgument(const pscript::Value& v) { return v.isInteger() || v.type() == pscript::varBoolean; }
bool IsRealArgument(const pscript::Value& v) { return v.isReal() && v.type() != pscript::varCurrency; }
bool IsStringArgument(const pscript::Value& v) { return v.isString() || v.isWideString(); }

std::string ZeroPadded(const std::string& digits, int precision) {
  if (precision <= static_cast<int>(digits.size())) return digits;
  return std::string(static_cast<size_t>(precision) - digits.size(), '0') + digits;
}

std::string HexOf(uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
  return buffer;
}

class Formatter {
 public:
  Formatter(std::string_view format, const std::vector<pscript::Value>& args) : format_(format), args_(args) {}

  std::string Run() {
    std::string out;
    while (at_ < format_.size()) {
      const char ch = format_[at_++];
      if (ch != '%') {
        out.push_back(ch);
        continue;
      }
      if (at_ < format_.size() && format_[at_] == '%') {
        out.push_back('%');
        ++at_;
        continue;
      }
      out += Padded(ReadPlaceholder());
    }
    return out;
  }

 private:
  [[noreturn]] void ArgumentError() const {
    throw FormatError("Invalid argument index in format \"" + std::string(format_) + "\"");
  }
  [[noreturn]] void FormatFault() const {
    throw FormatError("Invalid format specifier : \"" + std::string(format_) + "\"");
  }

  const pscript::Value& NextArgument() {
    if (next_ >= args_.size()) ArgumentError();
    return args_[next_++];
  }

  // Digits or "*" (taken from the arguments); -1 when there is neither.
  int ReadNumber() {
    if (at_ < format_.size() && format_[at_] == '*') {
      ++at_;
      const pscript::Value& value = NextArgument();
      if (!value.isInteger()) ArgumentError();
      return static_cast<int>(std::clamp<int64_t>(value.rawInt(), -1, 1 << 20));
    }
    if (at_ >= format_.size() || format_[at_] < '0' || format_[at_] > '9') return -1;
    int64_t number = 0;
    while (at_ < format_.size() && format_[at_] >= '0' && format_[at_] <= '9') {
      number = std::min<int64_t>(number * 10 + (format_[at_++] - '0'), 1 << 20);
    }
    return static_cast<int>(number);
  }

  std::string ReadPlaceholder() {
    Placeholder p;
    int number = ReadNumber();
    if (number >= 0 && at_ < format_.size() && format_[at_] == ':') {
      ++at_;
      next_ = static_cast<size_t>(number);
      number = -1;
    }
    if (number < 0) {
      if (at_ < format_.size() && format_[at_] == '-') {
        p.leftAlign = true;
        ++at_;
      }
      number = ReadNumber();
    }
    p.width = number;
    if (at_ < format_.size() && format_[at_] == '.') {
      ++at_;
      p.precision = std::max(ReadNumber(), 0);
    }
    if (at_ >= format_.size()) FormatFault();
    p.type = static_cast<char>(std::toupper(static_cast<unsigned char>(format_[at_++])));
    placeholder_ = p;
    // An unknown type is an error here (the reference prints nothing for it).
    if (std::string_view("DUEFGNMPSX").find(p.type) == std::string_view::npos) FormatFault();
    return Convert(p, NextArgument());
  }

  std::string Convert(const Placeholder& p, const pscript::Value& arg) {
    if (arg.aux() == pscript::kVariantArgument) {  // a Variant serves %s only, whatever it holds
      if (p.type != 'S') ArgumentError();
      return Truncated(p, arg.toString());
    }
    switch (p.type) {
      case 'D': return IntegerText(p, arg, false);
      case 'U': return IntegerText(p, arg, true);
      case 'X': return HexText(p, arg);
      case 'P': return PointerText(arg);
      case 'S': return StringText(p, arg);
      default: return FloatText(p, arg);
    }
  }

  std::string IntegerText(const Placeholder& p, const pscript::Value& arg, bool asUnsigned) {
    if (!IsIntegerArgument(arg)) ArgumentError();
    const int64_t value = arg.rawInt();
    std::string digits;
    bool negative = false;
    if (asUnsigned && arg.type() != pscript::varInt64) {
      digits = std::to_string(static_cast<uint32_t>(value));
    } else if (asUnsigned) {
      digits = std::to_string(static_cast<uint64_t>(value));
    } else {
      // A Cardinal goes into the argument list as a 32-bit Integer.
      const int64_t shown = arg.type() == pscript::varLongWord ? static_cast<int32_t>(value) : value;
      negative = shown < 0;
      digits = negative ? std::to_string(0 - static_cast<uint64_t>(shown)) : std::to_string(shown);
    }
    return WithSign(negative, ZeroPadded(digits, p.precision));
  }

  std::string HexText(const Placeholder& p, const pscript::Value& arg) {
    if (!IsIntegerArgument(arg)) ArgumentError();
    const int64_t value = arg.rawInt();
    const uint64_t pattern = arg.type() == pscript::varInt64 ? static_cast<uint64_t>(value) : static_cast<uint32_t>(value);
    return ZeroPadded(HexOf(pattern), p.precision);
  }

  // Scripts have no pointers to pass.
  [[noreturn]] std::string PointerText(const pscript::Value&) { ArgumentError(); }

  std::string StringText(const Placeholder& p, const pscript::Value& arg) {
    if (!IsStringArgument(arg)) ArgumentError();
    return Truncated(p, arg.toString());
  }

  static std::string Truncated(const Placeholder& p, std::string text) {
    if (p.precision >= 0 && static_cast<size_t>(p.precision) < text.size()) text.resize(static_cast<size_t>(p.precision));
    return text;
  }

  std::string FloatText(const Placeholder& p, const pscript::Value& arg) {
    if (!IsRealArgument(arg)) ArgumentError();
    const double value = arg.rawReal();
    if (!std::isfinite(value)) return NonFiniteText(value);
    switch (p.type) {
      case 'E': return ScientificText(value, std::clamp(p.precision < 0 ? kExactFloatDigits : p.precision, 2, kExactFloatDigits));
      case 'F': return FixedText(value, Decimals(p), false);
      case 'N': return FixedText(value, Decimals(p), true);
      case 'M': return FixedText(value, Decimals(p), true) + "$";
      default: return GeneralText(value, p.precision <= 1 ? kExactFloatDigits : std::min(p.precision, kExactFloatDigits));
    }
  }

  static int Decimals(const Placeholder& p) { return p.precision < 0 ? kDefaultFixedDecimals : std::min(p.precision, 18); }

  std::string Padded(const std::string& text) const {
    if (placeholder_.width <= static_cast<int>(text.size())) return text;
    const std::string fill(static_cast<size_t>(placeholder_.width) - text.size(), ' ');
    return placeholder_.leftAlign ? text + fill : fill + text;
  }

  std::string_view format_;
  const std::vector<pscript::Value>& args_;
  size_t at_ = 0;
  size_t next_ = 0;
  Placeholder placeholder_;
};

}  // namespace

std::string FormatText(std::string_view format, const std::vector<pscript::Value>& args) {
  return Formatter(format, args).Run();
}

std::string FormatText(std::string_view format, const pscript::Value& args) {
  std::vector<pscript::Value> list;
  if (args.isArray())
    for (int64_t i = args.arrayLow(); i <= args.arrayHigh(); ++i) list.push_back(args.arrayAt(i));
  return FormatText(format, list);
}

}  // namespace tarno
