// TParser of the classes import library: the RTL's token reader over a
// TStream. It reads the stream in blocks like the RTL does, so columns and
// stream offsets in its messages come out the same (a NUL byte ends a block).
#include "ClassLibraries.h"
#include "ClassLibraryHelpers.h"
#include "StdClasses.h"
#include "StreamClasses.h"
#include "Utf.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace tarno {

using pscript::NativeCall;
using namespace classlib;

namespace {
constexpr int64_t kParseBlockSize = 4096;  // bytes per read, as in the RTL
constexpr char kToEOF = 0, kToSymbol = 1, kToString = 2, kToInteger = 3, kToFloat = 4, kToWString = 5;
constexpr const char* kTokenNames[] = {"EOF", "Symbol", "String", "Integer", "Float", "WideString"};

std::string TokenName(char token) {
  auto code = static_cast<unsigned char>(token);
  if (code <= kToWString) return kTokenNames[code];
  return std::string(1, token);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlpha(char c) { return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
int HexValue(char c) { return IsDigit(c) ? c - '0' : (std::tolower(static_cast<unsigned char>(c)) - 'a' + 10); }

struct ParserObject : pscript::ScriptObject {
  pscript::Exec* exec = nullptr;
  pscript::Value stream;
  std::string block = std::string(1, '\0');  // the bytes of the last read and a NUL
  int64_t pos = 0, blockLen = 0, deltaPos = 1, streamRead = 0;
  int32_t line = 1;
  bool eof = false;
  char token = kToEOF, floatSuffix = 0;
  std::string text;            // the token as the RTL's narrow string holds it
  std::string wideText;        // a WideString token, UTF-8
  int64_t wideUnits = 0;       // its length in UTF-16 units

  StreamObject* Stream() const { return exec ? exec->objectAs<StreamObject>(stream) : nullptr; }
  char Cur() const { return pos < static_cast<int64_t>(block.size()) ? block[static_cast<size_t>(pos)] : '\0'; }

  void LoadBlock() {
    std::string data(static_cast<size_t>(kParseBlockSize), '\0');
    StreamObject* s = Stream();
    int64_t got = s ? s->ReadBytes(data.data(), kParseBlockSize) : 0;
    if (got < 0) got = 0;
    data.resize(static_cast<size_t>(got));
    block = data + '\0';
    deltaPos += got;
    streamRead += got;
    pos = 0;
    blockLen = got;
    eof = got == 0;
  }
  void Advance() {
    ++pos;
    if (Cur() == '\0') LoadBlock();
  }
  void Take() {
    text += Cur();
    Advance();
  }

  int64_t SourcePos() const {
    StreamObject* s = Stream();
    int64_t at = s ? s->Seek(0, 1) : streamRead;
    return at - blockLen + pos;
  }

  [[noreturn]] void Fail(const std::string& message) const {
    char where[80];
    std::snprintf(where, sizeof where, " (at %d,%lld, stream offset %.8llX)", line,
                  static_cast<long long>(pos + deltaPos), static_cast<unsigned long long>(SourcePos()));
    throw std::runtime_error(message + where);
  }
  [[noreturn]] void Expected(char wanted) const { Fail("Wrong token type: " + TokenName(wanted) + " expected"); }

  void SkipWhitespace() {
    for (;;) {
      char c = Cur();
      if (c == ' ' || c == '\t') {
        Advance();
      } else if (c == '\r' || c == '\n') {
        if (Cur() == '\r') Advance();
        if (Cur() == '\n') Advance();
        ++line;
        deltaPos = -(pos - 1);
      } else {
        return;
      }
    }
  }

  std::string AlphaNum() {
    if (!IsAlpha(Cur())) Expected(kToSymbol);
    std::string word;
    while (IsAlpha(Cur()) || IsDigit(Cur())) {
      word += Cur();
      Advance();
    }
    return word;
  }

  // Digits, then a fraction and an exponent, then an optional type letter.
  void Number() {
    while (IsDigit(Cur())) Take();
    token = kToInteger;
    if (Cur() == '.' || Cur() == 'e' || Cur() == 'E') {
      token = kToFloat;
      bool dotAllowed = true, exponentAllowed = true;
      while (Cur() == '.' || Cur() == 'e' || Cur() == 'E' || IsDigit(Cur())) {
        if (Cur() == '.') {
          if (!dotAllowed) break;
          dotAllowed = false;
        } else if (Cur() == 'e' || Cur() == 'E') {
          if (!exponentAllowed) break;
          dotAllowed = exponentAllowed = false;
          Take();
          if (Cur() == '+' || Cur() == '-') Take();
          if (!IsDigit(Cur())) Fail("Invalid floating point number: " + text + Cur());
        }
        Take();
      }
    }
    floatSuffix = 0;
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(Cur())));
    if (c == 's' || c == 'd' || c == 'c') {
      floatSuffix = Cur();
      Advance();
      token = kToFloat;
    }
  }

  void HexNumber() {
    text = "$";
    Advance();
    bool any = false;
    while (IsHexDigit(Cur())) {
      any = true;
      Take();
    }
    if (!any) Fail("Invalid integer number: " + text);
    token = kToInteger;
  }

  void Quoted() {
    Advance();
    for (;;) {
      char c = Cur();
      if (c == '\0' || c == '\r' || c == '\n') Fail("Unterminated string");
      if (c == '\'') {
        Advance();
        if (Cur() != '\'') return;
      }
      text += Cur();
      wideText += Cur();
      ++wideUnits;
      Advance();
    }
  }

  // #nnn: a character code; above 127 the token becomes a WideString.
  void CharCode(bool& ascii) {
    Advance();
    uint32_t code = 0;
    while (IsDigit(Cur()) && code < 0xFFFF) {
      code = code * 10 + static_cast<uint32_t>(Cur() - '0');
      Advance();
    }
    if (code > 0xFFFF) code = 0;
    if (code > 127) ascii = false;
    text += code < 256 ? static_cast<char>(code) : '\0';
    text::AppendUtf8(wideText, code);
    ++wideUnits;
  }

  void StringToken() {
    bool ascii = true;
    wideText.clear();
    wideUnits = 0;
    for (;;) {
      if (Cur() == '\'') Quoted();
      else if (Cur() == '#') CharCode(ascii);
      else break;
    }
    token = ascii ? kToString : kToWString;
  }

  void Minus() {
    Advance();
    if (IsDigit(Cur())) {
      Number();
      text = "-" + text;
    } else {
      token = '-';
      text = "-";
    }
  }

  char Next() {
    SkipWhitespace();
    text.clear();
    char c = Cur();
    if (eof) token = kToEOF;
    else if (IsAlpha(c)) { text = AlphaNum(); token = kToSymbol; }
    else if (c == '$') HexNumber();
    else if (c == '-') Minus();
    else if (IsDigit(c)) Number();
    else if (c == '\'' || c == '#') StringToken();
    else { token = c; text = std::string(1, c); Advance(); }
    return token;
  }

  std::string TokenString() const {
    if (token == kToWString) return wideText;
    if (token == kToFloat && floatSuffix) return text + floatSuffix;
    return text;
  }

  void SkipByteOrderMark() {
    if (block.compare(0, 3, "\xEF\xBB\xBF") == 0)
      for (int i = 0; i < 3; ++i) Advance();
  }

  // The RTL leaves the stream at the start of the current token.
  void freeing(pscript::Exec&) override {
    StreamObject* s = Stream();
    if (!s) return;
    int64_t length = token == kToWString ? wideUnits * 2 : static_cast<int64_t>(text.size());
    s->Seek(SourcePos() - length, 0);
  }
};

ParserObject& Parser(NativeCall& c) { return Self<ParserObject>(c); }

// Decimal or $hex with an optional minus, as StrToInt64 takes them; false
// when the text is no integer or needs more than 64 bits.
bool ParseInteger(const std::string& s, bool allowSign, uint64_t& out) {
  size_t i = 0;
  bool negative = false;
  if (allowSign && i < s.size() && s[i] == '-') { negative = true; ++i; }
  bool hex = i < s.size() && s[i] == '$';
  if (hex) ++i;
  if (i == s.size()) return false;
  uint64_t value = 0, base = hex ? 16 : 10;
  for (; i < s.size(); ++i) {
    if (hex ? !IsHexDigit(s[i]) : !IsDigit(s[i])) return false;
    uint64_t digit = static_cast<uint64_t>(hex ? HexValue(s[i]) : s[i] - '0');
    if (value > (UINT64_MAX - digit) / base) return false;
    value = value * base + digit;
  }
  out = negative ? (~value + 1) : value;
  return true;
}

void Create(NativeCall& c) {
  auto& p = Parser(c);
  p.exec = &c.exec();
  p.stream = c.arg(1);
  if (!p.Stream()) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  p.LoadBlock();
  p.SkipByteOrderMark();
  p.Next();
}

void NextToken(NativeCall& c) { ReturnInt(c, static_cast<unsigned char>(Parser(c).Next())); }
void Token(NativeCall& c) { ReturnInt(c, static_cast<unsigned char>(Parser(c).token)); }
void TokenString(NativeCall& c) { ReturnStr(c, Parser(c).TokenString()); }
void SourceLine(NativeCall& c) { ReturnInt(c, Parser(c).line); }
void SourcePos(NativeCall& c) { ReturnInt(c, static_cast<int32_t>(Parser(c).SourcePos())); }

void CheckToken(NativeCall& c) {
  auto& p = Parser(c);
  char wanted = static_cast<char>(IntArg(c, 1));
  if (p.token != wanted)
    p.Fail("Wrong token type: " + TokenName(wanted) + " expected but " + TokenName(p.token) + " found");
}

void CheckTokenSymbol(NativeCall& c) {
  auto& p = Parser(c);
  std::string wanted = StrArg(c, 1);
  if (p.token != kToSymbol)
    p.Fail("Wrong token type: Symbol expected but " + TokenName(p.token) + " found");
  if (!EqualNames(p.text, wanted)) p.Fail("Wrong token symbol: " + wanted + " expected but " + p.text + " found");
}

void TokenSymbolIs(NativeCall& c) {
  auto& p = Parser(c);
  c.result() = pscript::Value::boolean(p.token == kToSymbol && EqualNames(p.text, StrArg(c, 1)));
}

// The RTL's Error takes a message; the import passes a number, shown as such.
void Error(NativeCall& c) { Parser(c).Fail(std::to_string(IntArg(c, 1))); }
void ErrorStr(NativeCall& c) { Parser(c).Fail(StrArg(c, 1)); }

// A dotted name: the symbol and every ".name" that follows it directly.
void TokenComponentIdent(NativeCall& c) {
  auto& p = Parser(c);
  if (p.token != kToSymbol) p.Expected(kToSymbol);
  while (p.Cur() == '.') {
    p.Take();
    p.text += p.AlphaNum();
  }
  ReturnStr(c, p.text);
}

// Any integer token; a number beyond 64 bits or other text is a convert error.
void TokenInt(NativeCall& c) {
  const std::string& s = Parser(c).text;
  uint64_t value = 0;
  if (!ParseInteger(s, true, value) && !ParseInteger(s, false, value))
    throw std::runtime_error("\"" + s + "\" is an invalid integer");
  ReturnInt(c, static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// Val's float syntax: an optional minus, digits, a fraction, an exponent.
void TokenFloat(NativeCall& c) {
  auto& p = Parser(c);
  const std::string& s = p.text;
  bool plain = !s.empty() && (IsDigit(s[0]) || s[0] == '-' || s[0] == '.');
  size_t used = 0;
  double value = 0;
  try {
    if (plain) value = std::stod(s, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != s.size()) p.Fail("Invalid floating point number: " + s);
  c.result() = pscript::Value::real(value);
}

// Pairs of hex digits up to the next non-digit, written to the stream in blocks.
void HexToBinary(NativeCall& c) {
  auto& p = Parser(c);
  auto* out = c.exec().objectAs<StreamObject>(c.arg(1));
  if (!out) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  std::string pending;
  p.SkipWhitespace();
  while (IsHexDigit(p.Cur())) {
    int high = HexValue(p.Cur());
    p.Advance();
    if (!IsHexDigit(p.Cur())) p.Fail("Unterminated byte value");
    pending += static_cast<char>(high * 16 + HexValue(p.Cur()));
    p.Advance();
    if (static_cast<int64_t>(pending.size()) >= kParseBlockSize) {
      out->WriteAll(pending);
      pending.clear();
    }
    p.SkipWhitespace();
  }
  if (!pending.empty()) out->WriteAll(pending);
  p.Next();
}

const Member kParserMethods[] = {
    {"constructor Create(Stream: TStream);", "Create", Create},
    {"procedure CheckToken(T: Char);", "CheckToken", CheckToken},
    {"procedure CheckTokenSymbol(S: string);", "CheckTokenSymbol", CheckTokenSymbol},
    {"procedure Error(Ident: Integer);", "Error", Error},
    {"procedure ErrorStr(Message: string);", "ErrorStr", ErrorStr},
    {"procedure HexToBinary(Stream: TStream);", "HexToBinary", HexToBinary},
    {"function NextToken: Char;", "NextToken", NextToken},
    {"function SourcePos: LongInt;", "SourcePos", SourcePos},
    {"function TokenComponentIdent: string;", "TokenComponentIdent", TokenComponentIdent},
    {"function TokenFloat: Extended;", "TokenFloat", TokenFloat},
    {"function TokenInt: LongInt;", "TokenInt", TokenInt},
    {"function TokenString: string;", "TokenString", TokenString},
    {"function TokenSymbolIs(S: string): Boolean;", "TokenSymbolIs", TokenSymbolIs},
};
const Property kParserProperties[] = {
    {"property SourceLine: Integer read;", "SourceLine", SourceLine, nullptr},
    {"property Token: Char read;", "Token", Token, nullptr},
};

std::unique_ptr<pscript::ScriptObject> NewParser() { return std::make_unique<ParserObject>(); }
}  // namespace

void DeclareParserClass(pscript::Compiler& compiler) {
  compiler.addClass("TParser", "TObject");
  DeclareMembers(compiler, "TParser", kParserMethods, kParserProperties);
}

void BindParserClass(pscript::ClassImporter& importer) {
  importer.registerClass("TParser", "TObject", NewParser);
  BindMembers(importer, "TParser", kParserMethods, kParserProperties);
}

}  // namespace tarno
