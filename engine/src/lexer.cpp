// The dialect's tokens: identifiers, keywords, numbers, strings with #codes,
// three comment forms.
#include "lexer.h"

#include "text.h"

#include <cstdint>
#include <cstdlib>
#include <unordered_map>

namespace pscript {

namespace {

const std::unordered_map<std::string, Tok>& keywords() {
  static const std::unordered_map<std::string, Tok> k = {
      {"AND", Tok::And}, {"ARRAY", Tok::Array}, {"AS", Tok::As}, {"BEGIN", Tok::Begin},
      {"CASE", Tok::Case}, {"CHR", Tok::Chr}, {"CLASS", Tok::Class}, {"CONST", Tok::Const},
      {"CONSTRUCTOR", Tok::Constructor}, {"DESTRUCTOR", Tok::Destructor}, {"DIV", Tok::Div},
      {"DO", Tok::Do}, {"DOWNTO", Tok::Downto}, {"ELSE", Tok::Else}, {"END", Tok::End},
      {"EXCEPT", Tok::Except}, {"EXIT", Tok::Exit}, {"EXPORT", Tok::Export},
      {"EXTERNAL", Tok::External}, {"FINALIZATION", Tok::Finalization}, {"FINALLY", Tok::Finally},
      {"FOR", Tok::For}, {"FORWARD", Tok::Forward}, {"FUNCTION", Tok::Function}, {"GOTO", Tok::Goto},
      {"IF", Tok::If}, {"IMPLEMENTATION", Tok::Implementation}, {"IN", Tok::In},
      {"INHERITED", Tok::Inherited}, {"INITIALIZATION", Tok::Initialization},
      {"INTERFACE", Tok::Interface}, {"IS", Tok::Is}, {"LABEL", Tok::Label}, {"MOD", Tok::Mod},
      {"NIL", Tok::Nil}, {"NOT", Tok::Not}, {"OF", Tok::Of}, {"OR", Tok::Or}, {"ORD", Tok::Ord},
      {"OUT", Tok::Out}, {"OVERRIDE", Tok::Override}, {"PRIVATE", Tok::Private},
      {"PROCEDURE", Tok::Procedure}, {"PROGRAM", Tok::Program}, {"PROPERTY", Tok::Property},
      {"PROTECTED", Tok::Protected}, {"PUBLIC", Tok::Public}, {"PUBLISHED", Tok::Published},
      {"RECORD", Tok::Record}, {"REPEAT", Tok::Repeat}, {"SET", Tok::Set}, {"SHL", Tok::Shl},
      {"SHR", Tok::Shr}, {"THEN", Tok::Then}, {"TO", Tok::To}, {"TRY", Tok::Try},
      {"TYPE", Tok::Type}, {"UNIT", Tok::Unit}, {"UNTIL", Tok::Until}, {"USES", Tok::Uses},
      {"VAR", Tok::Var}, {"VIRTUAL", Tok::Virtual}, {"WHILE", Tok::While}, {"WITH", Tok::With},
      {"XOR", Tok::Xor}};
  return k;
}

bool isIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

void Lexer::advance() {
  if (pos_ >= src_.size()) return;
  if (src_[pos_] == '\n') { ++row_; col_ = 1; }
  else ++col_;
  ++pos_;
}

void Lexer::skipSpaceAndComments() {
  for (;;) {
    char c = peek();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || (c > 0 && c < ' ')) { advance(); continue; }
    if (c == '/' && peek(1) == '/') { while (pos_ < src_.size() && peek() != '\n') advance(); continue; }
    if (c == '{') {
      while (pos_ < src_.size() && peek() != '}') advance();
      if (pos_ >= src_.size()) { badComment_ = true; return; }
      advance();
      continue;
    }
    if (c == '(' && peek(1) == '*') {
      advance(); advance();
      while (pos_ < src_.size() && !(peek() == '*' && peek(1) == ')')) advance();
      if (pos_ >= src_.size()) { badComment_ = true; return; }
      advance(); advance();
      continue;
    }
    return;
  }
}

Token Lexer::next() {
  skipSpaceAndComments();
  Token t;
  t.row = row_;
  t.col = col_;
  t.pos = pos_;
  if (pos_ >= src_.size()) return t;
  char c = peek();
  if (isIdentStart(c)) {
    size_t start = pos_;
    while (isIdentStart(peek()) || isDigit(peek())) advance();
    t.spelled = std::string(src_.substr(start, pos_ - start));
    t.text = upperAscii(t.spelled);
    auto k = keywords().find(t.text);
    t.kind = k == keywords().end() ? Tok::Ident : k->second;
    return t;
  }
  if (isDigit(c) || (c == '$' && isHex(peek(1)))) return number(t);
  if (c == '\'' || (c == '#' && (isDigit(peek(1)) || peek(1) == '$'))) return stringLiteral(t);
  advance();
  switch (c) {
    case '+': t.kind = Tok::Plus; break;
    case '-': t.kind = Tok::Minus; break;
    case '*': t.kind = Tok::Star; break;
    case '/': t.kind = Tok::Slash; break;
    case '=': t.kind = Tok::Eq; break;
    case '(': t.kind = Tok::LParen; break;
    case ')': t.kind = Tok::RParen; break;
    case '[': t.kind = Tok::LBracket; break;
    case ']': t.kind = Tok::RBracket; break;
    case ',': t.kind = Tok::Comma; break;
    case ';': t.kind = Tok::Semicolon; break;
    case '@': t.kind = Tok::At; break;
    case '^': t.kind = Tok::Caret; break;
    case '<':
      if (peek() == '=') { advance(); t.kind = Tok::Le; }
      else if (peek() == '>') { advance(); t.kind = Tok::Ne; }
      else t.kind = Tok::Lt;
      break;
    case '>':
      if (peek() == '=') { advance(); t.kind = Tok::Ge; } else t.kind = Tok::Gt;
      break;
    case ':':
      if (peek() == '=') { advance(); t.kind = Tok::Assign; } else t.kind = Tok::Colon;
      break;
    case '.':
      if (peek() == '.') { advance(); t.kind = Tok::DotDot; } else t.kind = Tok::Dot;
      break;
    default: t.kind = Tok::Invalid; break;
  }
  return t;
}

Token Lexer::number(Token t) {
  size_t start = pos_;
  if (peek() == '$') {
    advance();
    uint64_t v = 0;
    while (isHex(peek())) {
      char c = peek();
      int d = isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
      v = (v << 4) | static_cast<uint64_t>(d);
      advance();
    }
    t.kind = Tok::Int;
    t.ival = static_cast<int64_t>(v);
    return t;
  }
  while (isDigit(peek())) advance();
  bool real = false;
  if (peek() == '.' && isDigit(peek(1))) {
    real = true;
    advance();
    while (isDigit(peek())) advance();
  }
  if ((peek() == 'e' || peek() == 'E') && (isDigit(peek(1)) || ((peek(1) == '+' || peek(1) == '-') && isDigit(peek(2))))) {
    real = true;
    advance();
    if (peek() == '+' || peek() == '-') advance();
    while (isDigit(peek())) advance();
  }
  std::string text(src_.substr(start, pos_ - start));
  if (real) {
    t.kind = Tok::Real;
    t.rval = std::strtod(text.c_str(), nullptr);
  } else {
    t.kind = Tok::Int;
    uint64_t v = 0;
    bool overflow = false;
    for (char ch : text) {
      auto d = static_cast<uint64_t>(ch - '0');
      if (v > (static_cast<uint64_t>(INT64_MAX) - d) / 10) overflow = true;
      v = v * 10 + d;
    }
    t.ival = overflow ? 0 : static_cast<int64_t>(v);  // beyond Int64 the reference reads 0
  }
  return t;
}

Token Lexer::stringLiteral(Token t) {
  std::string value;
  std::u16string wide;
  int pieces = 0;
  for (;;) {
    if (peek() == '\'') {
      advance();
      for (;;) {
        if (pos_ >= src_.size() || peek() == '\n' || peek() == '\r') { t.kind = Tok::Invalid; t.text.assign(1, '\''); return t; }
        if (peek() == '\'') {
          if (peek(1) == '\'') { value.push_back('\''); wide.push_back(u'\''); advance(); advance(); continue; }
          advance();
          break;
        }
        value.push_back(peek());
        wide.push_back(static_cast<unsigned char>(peek()));
        advance();
      }
      ++pieces;
    } else if (peek() == '#' && (isDigit(peek(1)) || (peek(1) == '$' && isHex(peek(2))))) {
      advance();
      uint32_t code = 0;
      if (peek() == '$') {
        advance();
        while (isHex(peek())) { char c = peek(); code = code * 16 + static_cast<uint32_t>(isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10); advance(); if (code > 0xFFFF) code = 0xFFFF; }
      } else {
        while (isDigit(peek())) { code = code * 10 + static_cast<uint32_t>(peek() - '0'); advance(); if (code > 0xFFFF) code = 0xFFFF; }
      }
      value.push_back(static_cast<char>(code & 0xFF));
      wide.push_back(static_cast<char16_t>(code));
      if (code > 255) t.wide = true;
      ++pieces;
    } else {
      break;
    }
  }
  (void)pieces;
  t.kind = value.size() == 1 ? Tok::Char : Tok::String;
  t.text = value;
  if (t.wide) t.wideText = std::move(wide);
  return t;
}

}  // namespace pscript
