// The formula expression parser: numbers, names, + - * / ^ MOD, unary minus,
// parentheses and ten functions. Names are resolved by the host through OnGetVar.
//
// A malformed text or a name the host does not know is a parse error, reported
// through OnParseError. A failing operation (division by zero, logarithm of a
// non-positive number, a result out of range) is not: the whole text then
// yields 0.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarno::grid {

// Deeper nesting of parentheses, unary minus and powers is rejected, so a hostile
// formula cannot exhaust the stack.
constexpr int kMaxFormulaNesting = 64;

enum class ParseError {
  None,
  UnexpectedEnd,
  UnexpectedCharacter,
  MissingClosingParenthesis,
  UnknownName,
  UnknownFunction,
  TrailingText,
  TooDeep,
};

class TzebMathParser {
 public:
  // Asks for the value of a name; false when the name is not known.
  using GetVarHandler = std::function<bool(std::string_view name, double& value)>;
  using ParseErrorHandler = std::function<void(ParseError error)>;

  std::string ParseString;
  GetVarHandler OnGetVar;
  ParseErrorHandler OnParseError;

  // Parses and computes ParseString; 0 after a parse error or a failing operation.
  double Parse();
  ParseError LastError() const { return error_; }

 private:
  double Expression();
  double Term();
  double Unary();
  double Power();
  double Primary();
  double NameValue(std::string_view name);
  double CallFunction(std::string_view name, double argument);

  void SkipBlanks();
  bool AtEnd();
  bool Accept(char c);
  bool AcceptMod();
  std::string_view TakeName();
  double TakeNumber();
  void Fail(ParseError error);
  // A failing operation: the formula yields 0, parsing goes on.
  double OperationFails();
  double Checked(double value);

  std::string_view text_;
  size_t pos_ = 0;
  int depth_ = 0;
  ParseError error_ = ParseError::None;
  bool operationFailed_ = false;
};

// Reads a whole text as a decimal number: an optional sign, digits with an
// optional fraction and exponent, surrounding blanks allowed. False otherwise.
bool ReadDecimal(std::string_view text, double& value);

}  // namespace tarno::grid
