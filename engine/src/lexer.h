// Tokens of the dialect.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pscript {

enum class Tok : uint8_t {
  Eof, Ident, Int, Real, String, Char,  // Char: a one-character literal
  // symbols
  Plus, Minus, Star, Slash, Eq, Ne, Lt, Le, Gt, Ge, LParen, RParen, LBracket, RBracket,
  Comma, Semicolon, Colon, Assign, Dot, DotDot, At, Caret,
  // keywords
  And, Array, As, Begin, Case, Chr, Class, Const, Constructor, Destructor, Div, Do, Downto,
  Else, End, Except, Exit, Export, External, Finalization, Finally, For, Forward, Function,
  Goto, If, Implementation, In, Inherited, Initialization, Interface, Is, Label, Mod, Nil,
  Not, Of, Or, Ord, Out, Override, Private, Procedure, Program, Property, Protected, Public,
  Published, Record, Repeat, Set, Shl, Shr, Then, To, Try, Type, Unit, Until, Uses, Var,
  Virtual, While, With, Xor,
  Invalid,
};

struct Token {
  Tok kind = Tok::Eof;
  std::string text;    // identifier in upper case, or literal string value
  std::string spelled; // identifier as written
  int64_t ival = 0;
  double rval = 0;
  bool wide = false;     // a literal with character codes above 255
  std::u16string wideText;
  int row = 1, col = 1;
  size_t pos = 0;
};

class Lexer {
 public:
  explicit Lexer(std::string_view src) : src_(src) {}
  Token next();
  bool unterminatedComment() const { return badComment_; }

 private:
  void skipSpaceAndComments();
  Token number(Token t);
  Token stringLiteral(Token t);
  char peek(size_t ahead = 0) const { return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : '\0'; }
  void advance();

  std::string_view src_;
  size_t pos_ = 0;
  int row_ = 1, col_ = 1;
  bool badComment_ = false;
};

}  // namespace pscript
