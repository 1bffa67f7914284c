// Imported classes in the compiler: host declarations, member access,
// properties, constructors, is/as. Members run as natives named
// "call:CLASS.M", "new:CLASS.M", "get:CLASS.P", "set:CLASS.P", "obj:IS",
// "obj:AS"; the Exec binds them through its ClassImporter.
#include "class_types.h"
#include "compiler_impl.h"
#include "text.h"

#include <algorithm>

namespace pscript {

// ------------------------------------------------------------------ lookup

const MethodSym* findMethod(const Type* cls, const std::string& upper) {
  for (size_t depth = 0; cls && cls->cls && depth <= kMaxTypeNesting; cls = cls->cls->ancestor, ++depth) {
    auto it = cls->cls->methods.find(upper);
    if (it != cls->cls->methods.end()) return &it->second;
  }
  return nullptr;
}

const PropSym* findProperty(const Type* cls, const std::string& upper) {
  for (size_t depth = 0; cls && cls->cls && depth <= kMaxTypeNesting; cls = cls->cls->ancestor, ++depth) {
    auto it = cls->cls->props.find(upper);
    if (it != cls->cls->props.end()) return &it->second;
  }
  return nullptr;
}

const PropSym* defaultProperty(const Type* cls) {
  for (size_t depth = 0; cls && cls->cls && depth <= kMaxTypeNesting; cls = cls->cls->ancestor, ++depth)
    if (!cls->cls->defaultProp.empty()) return findProperty(cls, cls->cls->defaultProp);
  return nullptr;
}

bool descendsFrom(const Type* from, const Type* to) {
  for (size_t depth = 0; from && depth <= kMaxTypeNesting; ++depth) {
    if (from == to) return true;
    from = from->cls ? from->cls->ancestor : nullptr;
  }
  return false;
}

// ------------------------------------------------------------------ host declarations

bool Parser::declareText(std::string_view text) {
  return parseHostText(text, [&] {
    while (tok_.kind == Tok::Type || tok_.kind == Tok::Const) {
      if (tok_.kind == Tok::Type) typeSection();
      else constSection();
    }
    expectEndOfText();
  });
}

bool Parser::declareClass(std::string_view name, std::string_view ancestor, bool isAbstract) {
  std::string upper = upperAscii(name);
  if (upper.empty() || types_.count(upper) || consts_.count(upper)) return false;
  Type* anc = nullptr;
  if (!ancestor.empty()) {
    anc = namedType(upperAscii(ancestor));
    if (!anc || anc->kind != TK::Class) return false;
  }
  ClassInfo& info = classStore_.emplace_back();
  info.upper = upper;
  info.ancestor = anc;
  info.isAbstract = isAbstract;
  Type* t = newType(TK::Class, std::string(name));
  t->cls = &info;
  types_[upper] = t;
  return true;
}

void Parser::methodDeclaration(ClassInfo& info, Type* cls) {
  bool isCtor = tok_.kind == Tok::Constructor;
  bool isFunction = tok_.kind == Tok::Function;
  if (!isCtor && !isFunction && tok_.kind != Tok::Procedure) error("Syntax error");
  MethodSym m;
  m.sig = routineHeading(isFunction, m.upper);
  if (isCtor) m.sig.result = cls;
  m.isConstructor = isCtor;
  m.ownerUpper = info.upper;
  accept(Tok::Semicolon);
  while (tok_.kind == Tok::Ident || tok_.kind == Tok::Virtual || tok_.kind == Tok::Override) {
    if (tok_.kind == Tok::Ident && tok_.text == "ABSTRACT") m.isAbstract = true;
    next();
    accept(Tok::Semicolon);
  }
  std::string key = m.upper;
  info.methods[key] = std::move(m);
}

void Parser::propertyDeclaration(ClassInfo& info) {
  expect(Tok::Property, "");
  PropSym p;
  p.upper = identifier();
  p.ownerUpper = info.upper;
  if (accept(Tok::LBracket)) {
    do {
      size_t names = 0;
      do { identifier(); ++names; } while (accept(Tok::Comma));
      expect(Tok::Colon, "");
      Type* t = typeSpec();
      p.indexes.insert(p.indexes.end(), names, t);
    } while (accept(Tok::Semicolon));
    expect(Tok::RBracket, "");
  }
  expect(Tok::Colon, "");
  p.type = typeSpec();
  bool read = false, write = false;
  while (tok_.kind == Tok::Ident && (tok_.text == "READ" || tok_.text == "WRITE")) {
    (tok_.text == "READ" ? read : write) = true;
    next();
  }
  if (read || write) { p.canRead = read; p.canWrite = write; }
  accept(Tok::Semicolon);
  if (tok_.kind == Tok::Ident && tok_.text == "DEFAULT") {
    if (p.indexes.empty()) error("Syntax error");
    next();
    accept(Tok::Semicolon);
    info.defaultProp = p.upper;
  }
  std::string key = p.upper;
  info.props[key] = std::move(p);
}

bool Parser::declareClassMember(std::string_view className, std::string_view decl) {
  Type* cls = namedType(upperAscii(className));
  if (!cls || cls->kind != TK::Class) return false;
  return parseHostText(decl, [&] {
    if (tok_.kind == Tok::Property) propertyDeclaration(*cls->cls);
    else methodDeclaration(*cls->cls, cls);
    expectEndOfText();
  });
}

// ------------------------------------------------------------------ description

namespace {

// Type names as the reference's declaration dump spells them: the base type
// for aliases of built-in types, the declared name otherwise.
std::string describedType(const Type* t) {
  if (!t) return "?";
  switch (t->kind) {
    case TK::Byte: return "BYTE";
    case TK::ShortInt: return "SHORTINT";
    case TK::Word: return "WORD";
    case TK::SmallInt: return "SMALLINT";
    case TK::Integer: return "LONGINT";
    case TK::Cardinal: return "LONGWORD";
    case TK::Int64: return "INT64";
    case TK::Char: return "CHAR";
    case TK::WideChar: return "WIDECHAR";
    case TK::String: return "STRING";
    case TK::WideString: return "WIDESTRING";
    case TK::Variant: return "VARIANT";
    case TK::Real:
      return t->realVt == varSingle ? "SINGLE" : t->realVt == varCurrency ? "CURRENCY" : upperAscii(t->name);
    case TK::OpenArray: case TK::DynArray:
      if (t->name.empty() || t->name[0] == '!' || t->name == "array of") return "ARRAY OF " + describedType(t->elem);
      return upperAscii(t->name);
    default: return upperAscii(t->name);
  }
}

std::string describedParams(const std::vector<Param>& params) {
  std::string out;
  for (const Param& p : params) {
    if (!out.empty()) out += ", ";
    if (p.mode == ParamMode::Var) out += "var ";
    if (p.mode == ParamMode::Out) out += "out ";
    out += describedType(p.type);
  }
  return out;
}

std::string describedMethod(const MethodSym& m) {
  std::string out = m.isConstructor ? "constructor " : m.sig.result ? "function " : "procedure ";
  out += m.upper;
  if (!m.sig.params.empty()) out += "(" + describedParams(m.sig.params) + ")";
  if (m.sig.result && !m.isConstructor) out += ": " + describedType(m.sig.result);
  return out;
}

std::string describedProperty(const PropSym& p) {
  std::string out = "property " + p.upper;
  if (!p.indexes.empty()) {
    std::vector<Param> indexes;
    for (Type* t : p.indexes) indexes.push_back({"", t, ParamMode::Value});
    out += "[" + describedParams(indexes) + "]";
  }
  return out + ": " + describedType(p.type) + " " + (p.canRead && p.canWrite ? "rw" : p.canRead ? "r" : "w");
}

}  // namespace

std::string Parser::describeClasses() const {
  std::vector<std::string> classes;
  for (const ClassInfo& info : classStore_) {
    std::string head = "class " + info.upper;
    if (info.ancestor) head += "(" + info.ancestor->cls->upper + ")";
    std::vector<std::string> items;
    for (const auto& [name, m] : info.methods) items.push_back("  " + describedMethod(m));
    for (const auto& [name, p] : info.props) items.push_back("  " + describedProperty(p));
    std::sort(items.begin(), items.end());
    for (const std::string& item : items) head += "\n" + item;
    classes.push_back(std::move(head));
  }
  std::sort(classes.begin(), classes.end());
  std::string out;
  for (const std::string& c : classes) out += c + "\n";
  return out;
}

// ------------------------------------------------------------------ emission

int32_t Parser::objectNative(const std::string& name, int32_t argCount) {
  auto it = nativeIndex_.find(name);
  if (it != nativeIndex_.end()) return it->second;
  int32_t idx = static_cast<int32_t>(module.natives.size());
  NativeDesc desc;
  desc.name = name;
  desc.argCount = argCount;
  module.natives.push_back(std::move(desc));
  nativeIndex_[name] = idx;
  return idx;
}

// Self goes in the slot after the result, the arguments after it.
Expr Parser::memberCall(const MethodSym& m, const Expr* self, const std::string& native, const Token& at) {
  ProcSym call;
  call.sig = m.sig;
  call.native = true;
  int32_t argBase = temp(2 + static_cast<int>(m.sig.params.size()));
  if (self) emit(Op::Move, {argBase + 1, operand(*self)});
  else emit(Op::Clear, {argBase + 1});
  callArguments(call, argBase + 1, at);
  emit(Op::CallNative, {objectNative(native, static_cast<int32_t>(m.sig.params.size()) + 1), argBase});
  return callResult(argBase, m.sig.result);
}

Expr Parser::constructorCall(Type* cls, const Token& at) {
  const MethodSym* m = findMethod(cls, at.text);
  if (!m || !m->isConstructor) errorAt(at, "Unknown identifier '" + at.text + "'", at.text);
  Expr r = memberCall(*m, nullptr, "new:" + cls->cls->upper + "." + m->upper, at);
  r.type = cls;
  if (cls->cls->isAbstract) warning(tok_, "Abstract Class Construction", "");
  return r;
}

// Index arguments; like a call's arguments, a wrong type or count is
// reported at the end of the statement / after the brackets.
void Parser::indexArguments(const PropSym& p, std::vector<int32_t>& out) {
  expect(Tok::LBracket, "");
  if (accept(Tok::RBracket)) errorAt(tok_, "Invalid number of parameters");
  size_t n = 0;
  do {
    Token at = tok_;
    Expr idx = expression();
    if (n < p.indexes.size() && assignable(idx.type, p.indexes[n])) out.push_back(operand(convert(idx, p.indexes[n], at)));
    else if (n < p.indexes.size()) deferMismatch();
    ++n;
  } while (accept(Tok::Comma));
  expect(Tok::RBracket, "");
  if (n != p.indexes.size()) errorAt(tok_, "Invalid number of parameters");
}

void Parser::pendingProperty(Designator& d, const PropSym& p, const Expr& self) {
  Designator r;
  r.prop = &p;
  r.propSelf = operand(self);
  r.type = p.type;
  if (!p.indexes.empty()) indexArguments(p, r.propArgs);
  d = std::move(r);
}

void Parser::memberAccess(Designator& d, const Token& name) {
  Type* cls = d.type;
  Expr self = load(d);
  if (const MethodSym* m = findMethod(cls, name.text)) {
    std::string native = (m->isConstructor ? "new:" + cls->cls->upper : "call:" + m->ownerUpper) + "." + m->upper;
    Expr r = memberCall(*m, &self, native, name);
    Designator c;
    c.slot = r.slot;
    c.type = r.type;
    c.writable = false;
    c.called = true;
    d = std::move(c);
    return;
  }
  const PropSym* p = findProperty(cls, name.text);
  if (!p) errorAt(name, "Unknown identifier '" + name.text + "'", name.text);
  pendingProperty(d, *p, self);
}

// Turns a pending property into its value, so that more suffixes can follow.
void Parser::settleProperty(Designator& d) {
  if (!d.prop) return;
  Expr v = readProperty(d);
  Designator r;
  r.slot = v.slot;
  r.type = v.type;
  r.writable = false;
  d = std::move(r);
}

// Returns true when it consumed a suffix that belongs to objects.
bool Parser::objectSuffix(Designator& d) {
  if (d.withMember) {
    d.withMember = false;
    Token name = withMemberTok_;
    memberAccess(d, name);
    return true;
  }
  if (tok_.kind != Tok::Dot && tok_.kind != Tok::LBracket) return false;
  settleProperty(d);
  if (d.type->kind != TK::Class || d.strChar) return false;
  if (tok_.kind == Tok::Dot) {
    next();
    Token name = tok_;
    identifier();
    memberAccess(d, name);
    return true;
  }
  const PropSym* p = defaultProperty(d.type);
  if (!p) error("Type mismatch");
  Expr self = load(d);
  pendingProperty(d, *p, self);
  return true;
}

Expr Parser::readProperty(const Designator& d) {
  const PropSym& p = *d.prop;
  if (!p.canRead) error("Write-only property");
  int n = static_cast<int>(d.propArgs.size());
  int32_t argBase = temp(2 + n);
  emit(Op::Move, {argBase + 1, d.propSelf});
  for (int i = 0; i < n; ++i) emit(Op::Move, {argBase + 2 + i, d.propArgs[static_cast<size_t>(i)]});
  emit(Op::CallNative, {objectNative("get:" + p.ownerUpper + "." + p.upper, n + 1), argBase});
  cur->tempTop = argBase + 1;
  Expr e;
  e.k = Expr::K::Temp;
  e.slot = argBase;
  e.type = p.type;
  return e;
}

void Parser::writeProperty(const Designator& d, const Expr& value, const Token& at) {
  const PropSym& p = *d.prop;
  if (!p.canWrite) errorAt(at, "Read-only property");
  int n = static_cast<int>(d.propArgs.size());
  int32_t argBase = temp(3 + n);
  emit(Op::Move, {argBase + 1, d.propSelf});
  for (int i = 0; i < n; ++i) emit(Op::Move, {argBase + 2 + i, d.propArgs[static_cast<size_t>(i)]});
  storeInto(argBase + 2 + n, value, p.type, at);
  emit(Op::CallNative, {objectNative("set:" + p.ownerUpper + "." + p.upper, n + 2), argBase});
  cur->tempTop = argBase;
}

// Finds a member of a "with" object: the designator then names the object
// and remembers the member for designatorSuffix.
bool Parser::withMemberFor(const Token& name, Designator& d) {
  for (auto it = cur->withScopes.rbegin(); it != cur->withScopes.rend(); ++it) {
    if (it->type->kind != TK::Class) continue;
    if (!findMethod(it->type, name.text) && !findProperty(it->type, name.text)) continue;
    d = *it;
    d.withMember = true;
    withMemberTok_ = name;
    return true;
  }
  return false;
}

// A statement that starts with a computed object: F(x).Add(...),
// TComponent(O).Name := ..., TStringList.Create.Free.
void Parser::objectStatement(const Expr& object) {
  Designator d;
  d.slot = object.slot;
  d.type = object.type;
  d.writable = false;
  if (object.k == Expr::K::Const) d.slot = toTemp(object).slot;
  designatorSuffix(d);
  if (d.called && tok_.kind != Tok::Assign) return;
  if (tok_.kind != Tok::Assign) error("Assignment expected");
  next();
  Expr e = expression();
  assignTo(d, e, tok_);
}

// "with TStringList.Create do": an object computed once and held in a
// temporary for the body. False when the text does not start an object.
bool Parser::withObjectExpression(Designator& d) {
  Type* t = namedType(tok_.text);
  bool callsFunction = !t && findProc(tok_.text) && findProc(tok_.text)->sig.result &&
                       findProc(tok_.text)->sig.result->kind == TK::Class;
  if (!callsFunction && !(t && t->kind == TK::Class)) return false;
  Token at = tok_;
  Expr e = expression();
  if (e.type->kind != TK::Class) errorAt(at, "Class type expected");
  Expr held = toTemp(e);
  d = Designator{};
  d.slot = held.slot;
  d.type = held.type;
  d.writable = false;
  return true;
}

// ------------------------------------------------------------------ is, as

void Parser::failAtRunTime(ErrorKind kind) {
  emit(Op::Raise, {constSlot(Value::integer(static_cast<int64_t>(kind), varInt64)), constSlot(Value::string(""))});
}

// The type after "is" or "as"; "is" also takes a type that is no class
// (it compiles and fails when it runs, as in the reference).
Type* Parser::classTypeName(bool anyType) {
  Token at = tok_;
  if (tok_.kind != Tok::Ident) error("Identifier expected");
  Type* t = namedType(tok_.text);
  if (!t) errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
  if (t->kind != TK::Class && !anyType) errorAt(at, "Class type expected");
  next();
  return t;
}

Expr Parser::objectTest(Tok op, const Expr& obj, Type* cls, const Token& at) {
  if (obj.k == Expr::K::Const) errorAt(tok_, "Type mismatch");  // "5 is TObject", "nil is TObject"
  if ((obj.type->kind != TK::Class && obj.type->kind != TK::Nil && op == Tok::Is) || cls->kind != TK::Class) {
    failAtRunTime(ErrorKind::TypeMismatch);  // the reference compiles this and fails when it runs
    return literalConst(tBool, Value::integer(0));
  }
  if (obj.type->kind != TK::Class && obj.type->kind != TK::Nil) errorAt(at, "Type mismatch");
  int32_t argBase = temp(3);
  emit(Op::Move, {argBase + 1, operand(obj)});
  emit(Op::Move, {argBase + 2, constSlot(Value::string(cls->cls->upper))});
  emit(Op::CallNative, {objectNative(op == Tok::Is ? "obj:IS" : "obj:AS", 2), argBase});
  cur->tempTop = argBase + 1;
  Expr e;
  e.k = Expr::K::Temp;
  e.slot = argBase;
  e.type = op == Tok::Is ? tBool : cls;
  return e;
}

}  // namespace pscript
