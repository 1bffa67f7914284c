#include "TzebMathParser.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "AsciiText.h"
#include "TextCase.h"

namespace tarno::grid {
namespace {

// Limits of the extended-precision arithmetic the formulas were designed for.
constexpr double kMaxExponent = 11356.0;
constexpr double kMaxTrigArgument = 9e18;
constexpr double kMaxRoundArgument = 1e9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

// Length of the decimal number at the start of text (digits, fraction, exponent); 0 if none.
size_t DecimalLength(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == 0) return 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Out of range is infinite, or 0 for a tiny number (a negative exponent).
double ToDouble(std::string_view digits) {
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc::result_out_of_range) return value;
  const size_t exponent = digits.find_first_of("eE");
  const bool tiny = exponent != std::string_view::npos && exponent + 1 < digits.size() && digits[exponent + 1] == '-';
  return tiny ? 0.0 : HUGE_VAL;
}

}  // namespace

bool ReadDecimal(std::string_view text, double& value) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || DecimalLength(text) != text.size()) return false;
  value = ToDouble(text);
  if (!std::isfinite(value)) return false;
  if (negative) value = -value;
  return true;
}

double TzebMathParser::Parse() {
  text_ = ParseString;
  pos_ = 0;
  depth_ = 0;
  error_ = ParseError::None;
  operationFailed_ = false;
  double value = Expression();
  if (error_ == ParseError::None && !AtEnd()) Fail(ParseError::TrailingText);
  if (error_ != ParseError::None) {
    if (OnParseError) OnParseError(error_);
    return 0;
  }
  if (operationFailed_ || !std::isfinite(value)) return 0;
  return value;
}

void TzebMathParser::Fail(ParseError error) {
  if (error_ == ParseError::None) error_ = error;
  pos_ = text_.size();  // nothing more is read after the first error
}

double TzebMathParser::OperationFails() {
  operationFailed_ = true;
  return 0;
}

double TzebMathParser::Checked(double value) { return std::isfinite(value) ? value : OperationFails(); }

void TzebMathParser::SkipBlanks() {
  while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= ' ') ++pos_;
}

bool TzebMathParser::AtEnd() {
  SkipBlanks();
  return pos_ >= text_.size();
}

bool TzebMathParser::Accept(char c) {
  if (AtEnd() || text_[pos_] != c) return false;
  ++pos_;
  return true;
}

bool TzebMathParser::AcceptMod() {
  if (AtEnd() || !IsNameStart(text_[pos_])) return false;
  size_t end = pos_;
  while (end < text_.size() && IsNameChar(text_[end])) ++end;
  if (!text::EqualIgnoringAsciiCase(text_.substr(pos_, end - pos_), "mod")) return false;
  pos_ = end;
  return true;
}

double TzebMathParser::Expression() {
  double value = Term();
  while (error_ == ParseError::None) {
    if (Accept('+')) value = Checked(value + Term());
    else if (Accept('-')) value = Checked(value - Term());
    else break;
  }
  return value;
}

double TzebMathParser::Term() {
  double value = Unary();
  while (error_ == ParseError::None) {
    if (Accept('*')) {
      value = Checked(value * Unary());
    } else if (Accept('/')) {
      const double divisor = Unary();
      value = divisor == 0 ? OperationFails() : Checked(value / divisor);
    } else if (AcceptMod()) {
      const double divisor = std::nearbyint(Unary());
      value = divisor == 0 ? OperationFails() : Checked(std::fmod(std::nearbyint(value), divisor));
    } else {
      break;
    }
  }
  return value;
}

double TzebMathParser::Unary() {
  if (++depth_ > kMaxFormulaNesting) {
    Fail(ParseError::TooDeep);
    return 0;
  }
  const double value = Accept('-') ? -Unary() : Power();
  --depth_;
  return value;
}

// Right-associative: 2^3^2 is 2^9.
double TzebMathParser::Power() {
  const double base = Primary();
  if (error_ != ParseError::None || !Accept('^')) return base;
  const double exponent = Unary();
  if (base <= 0) return OperationFails();
  const double power = exponent * std::log(base);
  if (std::fabs(power) > kMaxExponent) return OperationFails();
  return Checked(std::exp(power));
}

double TzebMathParser::Primary() {
  if (AtEnd()) {
    Fail(ParseError::UnexpectedEnd);
    return 0;
  }
  if (Accept('(')) {
    const double value = Expression();
    if (error_ == ParseError::None && !Accept(')')) Fail(ParseError::MissingClosingParenthesis);
    return value;
  }
  const char c = text_[pos_];
  if (IsDigit(c)) return TakeNumber();
  if (!IsNameStart(c)) {
    Fail(ParseError::UnexpectedCharacter);
    return 0;
  }
  const std::string_view name = TakeName();
  if (!Accept('(')) return NameValue(name);
  const double argument = Expression();
  if (error_ == ParseError::None && !Accept(')')) Fail(ParseError::MissingClosingParenthesis);
  return error_ == ParseError::None ? CallFunction(name, argument) : 0;
}

std::string_view TzebMathParser::TakeName() {
  const size_t start = pos_;
  while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
  return text_.substr(start, pos_ - start);
}

double TzebMathParser::TakeNumber() {
  const size_t length = DecimalLength(text_.substr(pos_));
  const double value = ToDouble(text_.substr(pos_, length));
  pos_ += length;
  if (pos_ < text_.size() && IsNameChar(text_[pos_])) Fail(ParseError::UnexpectedCharacter);  // 2e, 3x
  return Checked(value);
}

double TzebMathParser::NameValue(std::string_view name) {
  double value = 0;
  if (text::EqualIgnoringAsciiCase(name, "mod") || !OnGetVar || !OnGetVar(name, value)) {
    Fail(ParseError::UnknownName);
    return 0;
  }
  return value;
}

double TzebMathParser::CallFunction(std::string_view name, double x) {
  const std::string upper = text::UpperAscii(name);
  if (upper == "ABS") return std::fabs(x);
  if (upper == "ATAN") return std::atan(x);
  if (upper == "COS" || upper == "SIN") {
    if (std::fabs(x) > kMaxTrigArgument) return OperationFails();
    return upper == "COS" ? std::cos(x) : std::sin(x);
  }
  if (upper == "EXP") return std::fabs(x) > kMaxExponent ? OperationFails() : Checked(std::exp(x));
  if (upper == "LN") return x <= 0 ? OperationFails() : std::log(x);
  if (upper == "SQRT") return x < 0 ? OperationFails() : std::sqrt(x);
  if (upper == "SQR") return Checked(x * x);
  if (upper == "ROUND" || upper == "TRUNC") {
    if (std::fabs(x) > kMaxRoundArgument) return OperationFails();
    return upper == "ROUND" ? std::nearbyint(x) : std::trunc(x);
  }
  Fail(ParseError::UnknownFunction);
  return 0;
}

}  // namespace tarno::grid
