// Compiler driver, messages, declarations and routines.
#include "compiler_impl.h"

#include "builtins.h"
#include "engine_limits.h"
#include "text.h"

#include <algorithm>

namespace pscript {

// ------------------------------------------------------------------ messages

std::string Message::toString() const {
  const char* k = kind == Kind::Error ? "Error" : kind == Kind::Warning ? "Warning" : "Hint";
  return std::string("[") + k + "] " + module + "(" + std::to_string(row) + ":" + std::to_string(col) + "): " + text;
}

Parser::Parser(std::vector<Message>& msgs, std::string_view src) : msgs_(msgs), lex_(src) {}

void Parser::next() {
  prev_ = tok_;
  tok_ = lex_.next();
  if (tok_.kind == Tok::Invalid) {
    // Reported, then the text ends here: the parser's own error follows.
    msgs_.push_back({Message::Kind::Error, tok_.text == "'" ? "String error" : "Syntax error", {}, {}, tok_.row, tok_.col, tok_.pos});
    tok_.kind = Tok::Eof;
  }
}

bool Parser::accept(Tok k) {
  if (tok_.kind != k) return false;
  next();
  return true;
}

namespace {
const char* expectedText(Tok k) {
  switch (k) {
    case Tok::Semicolon: return "Semicolon (';') expected";
    case Tok::Begin: return "'BEGIN' expected";
    case Tok::End: return "'END' expected";
    case Tok::Then: return "'THEN' expected";
    case Tok::Do: return "'DO' expected";
    case Tok::Of: return "'OF' expected";
    case Tok::To: return "'TO' expected";
    case Tok::Dot: return "period ('.') expected";
    case Tok::Colon: return "colon (':') expected";
    case Tok::Comma: return "comma (',') expected";
    case Tok::RParen: return "Closing parenthesis expected";
    case Tok::LParen: return "opening parenthesis ('(')expected";
    case Tok::Eq: return "is ('=') expected";
    case Tok::RBracket: return "Closing square bracket (']') expected";
    case Tok::Ident: return "Identifier expected";
    case Tok::Assign: return "Assignment expected";
    case Tok::Until: return "'UNTIL' expected";
    default: return "Syntax error";
  }
}
}  // namespace

void Parser::expect(Tok k, const char* /*what*/) {
  if (tok_.kind == k) { next(); return; }
  if (tok_.kind == Tok::Eof) error("Unexpected end of file");
  error(expectedText(k));
}

void Parser::error(const std::string& text, const std::string& param) { errorAt(tok_, text, param); }

void Parser::errorAt(const Token& at, const std::string& text, const std::string& param) {
  Message m;
  m.kind = Message::Kind::Error;
  m.text = text;
  m.param = param;
  m.row = at.row;
  m.col = at.col;
  m.pos = at.pos;
  msgs_.push_back(std::move(m));
  throw CompileStop{};
}

void Parser::warning(const Token& at, const std::string& text, const std::string& param) {
  msgs_.push_back({Message::Kind::Warning, text, param, {}, at.row, at.col, at.pos});
}

void Parser::hint(int row, int col, size_t pos, const std::string& text, const std::string& param) {
  msgs_.push_back({Message::Kind::Hint, text, param, {}, row, col, pos});
}

std::string Parser::identifier() {
  if (tok_.kind != Tok::Ident) error("Identifier expected");
  std::string s = tok_.text;
  next();
  return s;
}

// ------------------------------------------------------------------ emission

int Parser::emit(Op op, std::initializer_list<int32_t> operands) {
  auto& code = cur->desc->code;
  int at = static_cast<int>(code.size());
  code.push_back(static_cast<int32_t>(op));
  code.insert(code.end(), operands.begin(), operands.end());
  return at;
}

int32_t Parser::temp(int n) {
  int32_t t = cur->tempTop;
  cur->tempTop += n;
  if (static_cast<size_t>(cur->tempTop) > kMaxFrameSlots) error("Internal error (frame too large)");
  if (cur->tempTop > cur->desc->frameSize) cur->desc->frameSize = cur->tempTop;
  return t;
}

int32_t Parser::constSlot(const Value& v) {
  std::string key;
  int tag = 0;
  if (v.type() == varString) { key = std::string(v.rawString()); tag = 1; }
  else if (v.type() == varOleStr) { key = utf16ToAnsi(v.rawWideString()); tag = 2; }
  else if (v.isReal()) { double d = v.rawReal(); key.assign(reinterpret_cast<const char*>(&d), sizeof d); tag = 3; }
  else { key = std::to_string(v.rawInt()); tag = 4 + v.type(); }
  auto it = constSlots_.find({tag, key});
  if (it != constSlots_.end()) return it->second;
  int32_t g = newGlobal();
  module.constants.push_back({~g, v});
  constSlots_[{tag, key}] = g;
  return g;
}

// Code that fails when it runs, where the reference compiles what it cannot do.
void Parser::emitRaise(ErrorKind kind, const std::string& param) {
  emit(Op::Raise, {constSlot(Value::integer(static_cast<int64_t>(kind), varInt64)), constSlot(Value::string(param))});
}

// ------------------------------------------------------------------ types

Type* Parser::newType(TK kind, std::string name) {
  typeStore_.emplace_back();
  Type* t = &typeStore_.back();
  t->kind = kind;
  t->name = std::move(name);
  return t;
}

void Parser::defineStandardTypes() {
  auto def = [&](const char* name, TK k) {
    Type* t = newType(k, name);
    types_[upperAscii(name)] = t;
    return t;
  };
  tByte = def("Byte", TK::Byte);
  def("ShortInt", TK::ShortInt);
  tWord = def("Word", TK::Word);
  def("SmallInt", TK::SmallInt);
  tInt = def("Integer", TK::Integer);
  types_["LONGINT"] = tInt;
  tCardinal = def("Cardinal", TK::Cardinal);
  types_["LONGWORD"] = tCardinal;
  tInt64 = def("Int64", TK::Int64);
  tBool = def("Boolean", TK::Boolean);
  tBool->high = 1;
  for (auto [name, bytes] : {std::pair{"ByteBool", 1}, {"WordBool", 2}, {"LongBool", 4}}) {
    Type* b = def(name, TK::Boolean);  // assignable to each other, not mixed in operators
    b->high = 1;
    b->boolBytes = bytes;
  }
  tChar = def("Char", TK::Char);
  types_["ANSICHAR"] = tChar;
  tWChar = def("WideChar", TK::WideChar);
  tStr = def("string", TK::String);
  for (const char* s : {"AnsiString", "NativeString", "tbtString", "PChar"}) types_[upperAscii(s)] = tStr;
  tWStr = def("WideString", TK::WideString);
  types_["UNICODESTRING"] = tWStr;
  tReal = def("Double", TK::Real);
  for (auto [n, vt] : {std::pair{"Single", varSingle}, {"Extended", varDouble}, {"Currency", varCurrency}}) {
    Type* r = def(n, TK::Real);
    r->realVt = vt;
  }
  types_["TDATETIME"] = tReal;
  tVariant = def("Variant", TK::Variant);
  tVoid = newType(TK::Void, "");
  tNil = newType(TK::Nil, "nil");
  tVarArray = newType(TK::DynArray, "TVariantArray");
  tVarArray->elem = tVariant;
  types_["TVARIANTARRAY"] = tVarArray;
  registerAggregate(tVarArray);
  tArrayOfConst = newType(TK::ArrayOfConst, "array of const");
  tArrayOfConst->elem = tVariant;
  types_["TVARTYPE"] = tWord;
  Type* exc = newType(TK::Enum, "TIFException");
  types_["TIFEXCEPTION"] = exc;
  exc->high = kErrorKindCount - 1;
  static const char* const kExc[] = {
      "ErNoError", "erCannotImport", "erInvalidType", "ErInternalError", "erInvalidHeader",
      "erInvalidOpcode", "erInvalidOpcodeParameter", "erNoMainProc", "erOutOfGlobalVarsRange",
      "erOutOfProcRange", "ErOutOfRange", "erOutOfStackRange", "ErTypeMismatch", "erUnexpectedEof",
      "erVersionError", "ErDivideByZero", "ErMathError", "erCouldNotCallProc", "erOutofRecordRange",
      "erOutOfMemory", "erException", "erNullPointerException", "erNullVariantError",
      "erInterfaceNotSupported", "erCustomError"};
  for (int i = 0; i < kErrorKindCount; ++i) consts_[upperAscii(kExc[i])] = literalConst(exc, Value::integer(i));
  consts_["TRUE"] = literalConst(tBool, Value::integer(1));
  consts_["FALSE"] = literalConst(tBool, Value::integer(0));
  static const std::pair<const char*, int> kVar[] = {
      {"varEmpty", 0}, {"varNull", 1}, {"varSmallInt", 2}, {"varInteger", 3}, {"varSingle", 4},
      {"varDouble", 5}, {"varCurrency", 6}, {"varDate", 7}, {"varOleStr", 8}, {"varDispatch", 9},
      {"varError", 10}, {"varBoolean", 11}, {"varVariant", 12}, {"varUnknown", 13},
      {"varShortInt", 16}, {"varByte", 17}, {"varWord", 18}, {"varLongWord", 19}, {"varInt64", 20},
      {"varString", 256}, {"varTypeMask", 0xFFF}, {"varArray", 0x2000}, {"varByRef", 0x4000}};
  for (auto [n, v] : kVar) consts_[upperAscii(n)] = literalConst(tWord, Value::integer(v));
  consts_["MAXINT"] = literalConst(tInt, Value::integer(2147483647));
  defineInterfaceRoot();
}

void Parser::registerAggregate(Type* t) {
  if (t->runtimeType >= 0) return;
  TypeDesc d;
  auto elemId = [&](Type* e) -> int32_t {
    if (isAggregate(e) || e->kind == TK::DynArray) { registerAggregate(e); }
    return isAggregate(e) ? e->runtimeType : -1;
  };
  if (t->kind == TK::Record) {
    d.kind = AggKind::Record;
    d.count = static_cast<int64_t>(t->fields.size());
    for (const auto& f : t->fields) d.elems.push_back(elemId(f.type));
  } else {
    d.kind = t->kind == TK::StaticArray ? AggKind::StaticArray : AggKind::DynArray;
    d.low = t->kind == TK::StaticArray ? t->low : 0;
    d.count = t->kind == TK::StaticArray ? t->high - t->low + 1 : 0;
    d.elems.push_back(elemId(t->elem));
  }
  typeValues_.push_back(typeValueCount(d, typeValues_));
  if (typeValues_.back() > kMaxAggregateValues) error("Out Of Range");
  t->runtimeType = static_cast<int32_t>(module.types.size());
  module.types.push_back(std::move(d));
}

Type* Parser::namedType(const std::string& upper) {
  auto it = types_.find(upper);
  return it == types_.end() ? nullptr : it->second;
}

Type* Parser::typeSpec(const std::string& name) {
  // nested array and record types recurse here: bounded like expressions
  struct Depth {
    int& d;
    explicit Depth(int& v) : d(++v) {}
    ~Depth() { --d; }
  } guard(depth_);
  if (depth_ > kMaxExprDepth) error("Internal error (too deeply nested)");
  if (tok_.kind == Tok::Record) return recordType(name);
  if (tok_.kind == Tok::Array) return arrayType(name);
  if (tok_.kind == Tok::LParen) {  // enumeration
    next();
    Type* t = newType(TK::Enum, name);
    int64_t n = 0;
    do {
      std::string id = identifier();
      consts_[id] = literalConst(t, Value::integer(n++));
    } while (accept(Tok::Comma));
    expect(Tok::RParen, "");
    t->high = n - 1;
    return t;
  }
  if (tok_.kind == Tok::Set) {
    next();
    expect(Tok::Of, "");
    Type* t = newType(TK::Set, name);
    t->elem = typeSpec();
    if (!isOrdinal(t->elem) || (isInteger(t->elem) && t->elem->kind != TK::Byte)) error("Type mismatch");
    return t;
  }
  if (tok_.kind == Tok::Procedure || tok_.kind == Tok::Function) return procType(name);
  if (tok_.kind == Tok::Interface) return interfaceType(name);
  if (tok_.kind != Tok::Ident) error("Identifier expected");
  Token at = tok_;
  std::string id = identifier();
  Type* t = namedType(id);
  if (!t) errorAt(at, "Unknown type '" + at.spelled + "'", at.spelled);
  return t;
}

Type* Parser::recordType(const std::string& name) {
  next();
  Type* t = newType(TK::Record, name);
  while (tok_.kind == Tok::Ident) {
    std::vector<std::string> names;
    do {
      std::string n = identifier();
      for (const auto& f : t->fields)  // reported at the token after the name, without it
        if (f.name == n) duplicate(tok_, "");
      for (const auto& earlier : names)
        if (earlier == n) duplicate(tok_, "");
      names.push_back(n);
    } while (accept(Tok::Comma));
    expect(Tok::Colon, "");
    Type* ft = typeSpec();
    for (auto& n : names) t->fields.push_back({n, ft});
    if (!accept(Tok::Semicolon)) break;
  }
  expect(Tok::End, "");
  registerAggregate(t);
  return t;
}

Type* Parser::arrayType(const std::string& name) {
  next();
  if (accept(Tok::LBracket)) {
    Expr lo = constExpression();
    if (!isInteger(lo.type)) error("Type mismatch");
    expect(Tok::DotDot, "");
    Expr hi = constExpression();
    if (!isInteger(hi.type)) error("Type mismatch");
    expect(Tok::RBracket, "");
    expect(Tok::Of, "");
    Type* t = newType(TK::StaticArray, name);
    t->low = lo.cval.rawInt();
    t->high = hi.cval.rawInt();
    if (t->high < t->low || t->high - t->low >= kMaxArrayLength) error("Out Of Range");
    t->elem = typeSpec();
    registerAggregate(t);
    return t;
  }
  expect(Tok::Of, "");
  if (tok_.kind == Tok::Const) { next(); return tArrayOfConst; }
  Type* t = newType(TK::DynArray, name);
  t->elem = typeSpec();
  registerAggregate(t);
  return t;
}

// ------------------------------------------------------------------ sections

void Parser::constSection() {
  next();
  while (tok_.kind == Tok::Ident) {
    if (tok_.kind == Tok::Ident) checkConstName(tok_);
    std::string id = identifier();
    if (tok_.kind == Tok::Colon) error("is ('=') expected");
    expect(Tok::Eq, "");
    inConstDeclaration_ = true;
    Expr e = constExpression();
    inConstDeclaration_ = false;
    consts_[id] = e;
    expect(Tok::Semicolon, "");
  }
}

void Parser::typeSection() {
  next();
  while (tok_.kind == Tok::Ident) {
    Token at = tok_;
    checkTypeName(at);
    std::string id = identifier();
    expect(Tok::Eq, "");
    Type* t = typeSpec(at.spelled);
    if (t->name.empty()) t->name = at.spelled;
    types_[id] = t;
    expect(Tok::Semicolon, "");
  }
}

void Parser::varSection(bool global) {
  next();
  while (tok_.kind == Tok::Ident) {
    std::vector<Token> names;
    do {
      if (tok_.kind == Tok::Ident) {
        checkVariableName(tok_, global);
        for (const Token& n : names)
          if (n.text == tok_.text) duplicate(tok_, tok_.spelled);
      }
      names.push_back(tok_);
      identifier();
    } while (accept(Tok::Comma));
    expect(Tok::Colon, "");
    Type* t = typeSpec();
    if (tok_.kind == Tok::Eq) error("Semicolon (';') expected");
    for (const Token& n : names) {
      LocalVar v;
      v.type = t;
      v.spelled = n.spelled;
      v.row = n.row;
      v.col = n.col;
      v.pos = n.pos;
      if (global) {
        v.slot = newGlobal();
        if (isAggregate(t)) aggregateGlobals_.push_back({v.slot, t});
        globals_[n.text] = v;
      } else {
        v.slot = cur->localsEnd++;
        cur->tempTop = cur->localsEnd;
        if (cur->tempTop > cur->desc->frameSize) cur->desc->frameSize = cur->tempTop;
        if (isAggregate(t)) emit(Op::Init, {v.slot, t->runtimeType});
        cur->locals[n.text] = v;
      }
    }
    expect(Tok::Semicolon, "");
  }
}

std::vector<Param> Parser::parameterList(const std::string& ownerUpper) {
  std::vector<Param> params;
  if (!accept(Tok::LParen)) return params;
  if (accept(Tok::RParen)) return params;
  do {
    ParamMode mode = ParamMode::Value;
    if (accept(Tok::Var)) mode = ParamMode::Var;
    else if (accept(Tok::Const)) mode = ParamMode::Const;
    else if (accept(Tok::Out)) mode = ParamMode::Out;
    std::vector<Token> group;
    do {
      if (tok_.kind == Tok::Ident && !declaringHost_) checkParameterName(tok_, ownerUpper, params, group);
      group.push_back(tok_);
      identifier();
    } while (accept(Tok::Comma));
    Type* t = tVariant;
    if (accept(Tok::Colon)) {
      if (tok_.kind == Tok::Array) {
        next();
        expect(Tok::Of, "");
        if (tok_.kind == Tok::Const && !declaringHost_) {  // host functions only; two messages, as the reference gives
          msgs_.push_back({Message::Kind::Error, "Identifier expected", {}, {}, tok_.row, tok_.col, tok_.pos});
          error("Unknown identifier ''");
        }
        if (accept(Tok::Const)) t = tArrayOfConst;
        else {
          t = newType(TK::OpenArray, "array of");
          t->elem = typeSpec();
          registerAggregate(t);
        }
      } else {
        t = typeSpec();
      }
    }
    if (tok_.kind == Tok::Eq) error("Semicolon (';') expected");
    for (const Token& n : group) params.push_back({n.text, t, mode});
  } while (accept(Tok::Semicolon));
  expect(Tok::RParen, "");
  return params;
}

ProcSig Parser::routineHeading(bool isFunction, std::string& upperName) {
  next();
  ProcSig sig;
  if (tok_.kind != Tok::Ident) error("Identifier expected");
  sig.name = tok_.spelled;
  routineNameTok_ = tok_;
  upperName = identifier();
  sig.params = parameterList(upperName);
  if (isFunction) {
    expect(Tok::Colon, "");
    sig.result = typeSpec();
  }
  return sig;
}

// A built-in is declared when its name is first looked up: most scripts use
// few of them, and parsing every declaration dominated a small compile.
ProcSym* Parser::findProc(const std::string& upper) {
  auto it = procs_.find(upper);
  if (it != procs_.end()) return it->second.get();
  const Builtin* builtin = findBuiltin(upper);
  if (!builtin || !declareFunction(builtin->declaration, true)) return nullptr;
  return procs_.at(upper).get();
}

bool Parser::parseHostText(std::string_view text, const std::function<void()>& body) {
  Lexer saved = lex_;
  Token savedTok = tok_, savedPrev = prev_, savedRoutineName = routineNameTok_;
  size_t savedMsgs = msgs_.size();
  lex_ = Lexer(text);
  bool ok = true;
  try {
    next();
    body();
  } catch (const CompileStop&) {
    ok = false;
    msgs_.resize(savedMsgs);
  }
  lex_ = saved;
  tok_ = savedTok;
  prev_ = savedPrev;
  routineNameTok_ = savedRoutineName;
  return ok;
}

bool Parser::declareFunction(std::string_view decl, bool builtin) {
  const bool wasDeclaringHost = declaringHost_;  // a built-in may be looked up while a host function is declared
  declaringHost_ = true;
  const bool ok = parseHostText(decl, [&] {
    bool isFunction = tok_.kind == Tok::Function;
    if (!isFunction && tok_.kind != Tok::Procedure) error("Syntax error");
    std::string upper;
    ProcSig sig = routineHeading(isFunction, upper);
    auto sym = std::make_unique<ProcSym>();
    sym->sig = std::move(sig);
    sym->native = true;
    sym->nativeName = upper;
    sym->bodyDone = true;
    sym->intrinsic = builtin;
    sym->clash = !builtin && findProc(upper) != nullptr;
    procs_[upper] = std::move(sym);  // a host declaration replaces a built-in of that name
  });
  declaringHost_ = wasDeclaringHost;
  return ok;
}

// ------------------------------------------------------------------ program

void Parser::programHeader() {
  if (tok_.kind == Tok::Unit) error("'BEGIN' expected");
  if (accept(Tok::Program)) {
    identifier();
    expect(Tok::Semicolon, "");
  }
}

void Parser::usesClause(Compiler& owner) {
  next();
  do {
    Token at = tok_;
    std::string name = identifier();
    // SYSTEM is registered already; the reference's check is case-sensitive.
    if (at.spelled == "SYSTEM") errorAt(at, "Duplicate identifier 'SYSTEM'", "SYSTEM");
    if (!owner.onUses || !owner.onUses(owner, name)) throw CompileStop{};
  } while (accept(Tok::Comma));
  expect(Tok::Semicolon, "");
}

void Parser::finishGlobalsInit() {
  ProcBuilder* saved = cur;
  cur = &initProc_;
  for (auto [slot, t] : aggregateGlobals_) emit(Op::Init, {slot, t->runtimeType});
  emit(Op::Ret, {});
  cur = saved;
}

void Parser::hintsForGlobals() {
  std::vector<const LocalVar*> unused;
  for (const auto& [name, v] : globals_)
    if (!v.used) unused.push_back(&v);
  std::sort(unused.begin(), unused.end(), [](const LocalVar* a, const LocalVar* b) { return a->pos < b->pos; });
  for (const LocalVar* v : unused) {
    std::string u = upperAscii(v->spelled);
    hint(v->row, v->col, v->pos, "Variable '" + u + "' never used", u);
  }
}

}  // namespace pscript
