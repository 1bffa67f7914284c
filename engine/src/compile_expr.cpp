// Expressions: typing by the dialect's rules, constant folding, and code
// that leaves each value in a slot.
#include "compiler_impl.h"

#include "currency.h"
#include "engine_limits.h"
#include "text.h"

#include <cmath>
#include <limits>

namespace pscript {

namespace {

struct Range { int64_t lo, hi; };

Range rangeOf(const Type* t) {
  switch (t->kind) {
    case TK::Byte: case TK::Char: return {0, 255};
    case TK::ShortInt: return {-128, 127};
    case TK::Word: case TK::WideChar: return {0, 65535};
    case TK::SmallInt: return {-32768, 32767};
    case TK::Integer: return {INT32_MIN, INT32_MAX};
    case TK::Cardinal: return {0, UINT32_MAX};
    default: return {INT64_MIN, INT64_MAX};
  }
}

bool within(const Type* inner, const Type* outer) {
  Range i = rangeOf(inner), o = rangeOf(outer);
  return i.lo >= o.lo && i.hi <= o.hi;
}

// And, or and xor of two values of a type's range stay in it: in two's
// complement each result bit above the range copies the operands' sign bits.
bool staysInRange(Op op, const Type* a, const Type* b, const Type* result) {
  return (op == Op::And || op == Op::Or || op == Op::Xor) && within(a, result) && within(b, result);
}

double realNarrowed(const Type* t, double d) {
  if (t->realVt == varSingle) return static_cast<double>(static_cast<float>(d));
  if (t->realVt == varCurrency) return roundConstantToCurrency(d);
  return d;
}

Op realOpFor(Tok op) {
  switch (op) {
    case Tok::Plus: return Op::RAdd;
    case Tok::Minus: return Op::RSub;
    case Tok::Star: return Op::RMul;
    default: return Op::RDiv;
  }
}

}  // namespace

Expr Parser::literalConst(Type* t, Value v) {
  Expr e;
  e.k = Expr::K::Const;
  e.type = t;
  e.cval = std::move(v);
  return e;
}

Expr Parser::withPatch(int32_t slot, Type* t, int at1, int at2) {
  Expr e;
  e.k = Expr::K::Temp;
  e.type = t;
  e.slot = slot;
  e.patch[0] = at1 >= 0 ? at1 + 1 : -1;  // the dst operand follows the opcode
  e.patch[1] = at2 >= 0 ? at2 + 1 : -1;
  return e;
}

// Narrows a temporary in place; every earlier writer of the temp stays
// retargetable together with the new instruction.
Expr Parser::chainNarrow(const Expr& t, Type* to, int32_t kind) {
  int n = emit(Op::Narrow, {t.slot, kind});
  Expr r = t;
  r.type = to;
  int free = 0;
  while (free < Expr::kMaxPatches && r.patch[free] > 0) ++free;
  if (t.patch[0] <= 0 || free == Expr::kMaxPatches) {
    for (int& p : r.patch) p = -1;
    return r;
  }
  r.patch[free] = n + 1;
  return r;
}

int32_t Parser::operand(const Expr& e) {
  if (e.k != Expr::K::Const) return e.slot;
  const Type* t = e.type;
  if (t->kind == TK::String) return constSlot(Value::string(e.cval.rawString()));
  if (t->kind == TK::WideString) return constSlot(e.cval);
  if (t->kind == TK::Real) return constSlot(Value::real(e.cval.rawReal()));
  if (t->kind == TK::Variant) return constSlot(e.cval);
  return constSlot(Value::integer(e.cval.rawInt(), varInt64));
}

Expr Parser::toTemp(const Expr& e) {
  if (e.k == Expr::K::Temp) return e;
  int32_t t = temp();
  int at = emit(Op::Move, {t, operand(e)});
  return withPatch(t, e.type, at);
}

int32_t Parser::nativeIndexFor(ProcSym& p) {
  auto it = nativeIndex_.find(p.nativeName);
  if (it != nativeIndex_.end()) return it->second;
  int32_t idx = static_cast<int32_t>(module.natives.size());
  module.natives.push_back({p.nativeName, static_cast<int32_t>(p.sig.params.size()), {}, {}});
  nativeIndex_[p.nativeName] = idx;
  return idx;
}

// ------------------------------------------------------------------ conversion

// FromVar's class for a plain type, or -1.
static int32_t fromVariantClass(const Type* t) {
  ValueClass c = isInteger(t) ? ValueClass::Int : t->kind == TK::Real ? ValueClass::Real
               : t->kind == TK::String ? ValueClass::String : t->kind == TK::WideString ? ValueClass::Wide
               : t->kind == TK::Boolean ? ValueClass::Bool : t->kind == TK::WideChar ? ValueClass::WideChar
               : t->kind == TK::Char ? ValueClass::Char : ValueClass::Count;
  return c == ValueClass::Count ? -1 : static_cast<int32_t>(c);
}

// FromVar's class for a single value: ordinals of up to 16 bits (ByteBool,
// WordBool and enums too) read a one-character text as its code.
static ValueClass scalarFromVariantClass(const Type* t) {
  if (isOrdinal(t)) {
    int32_t nk = ordinalNarrowKind(t);
    bool small = nk == static_cast<int32_t>(IntKind::U8) || nk == static_cast<int32_t>(IntKind::U16);
    return small ? ValueClass::SmallUnsigned : ValueClass::Int;
  }
  return static_cast<ValueClass>(fromVariantClass(t));
}

bool Parser::assignable(const Type* from, const Type* to) const {
  if (sameType(from, to)) return true;
  if (to->kind == TK::ProcPtr) return from->kind == TK::Nil;
  if (to->kind == TK::Interface) return interfaceAssignable(from, to);
  if (to->kind == TK::Variant) return from->kind != TK::ProcPtr && from->kind != TK::Record && from->kind != TK::StaticArray && from->kind != TK::Void;
  if (from->kind == TK::Variant)
    return isNumeric(to) || isStringLike(to) || to->kind == TK::Boolean || to->kind == TK::Enum || to->kind == TK::Class ||
           (to->kind == TK::DynArray && (to->elem->kind == TK::Variant || fromVariantClass(to->elem) >= 0));
  if (isInteger(to)) return isInteger(from);
  if (to->kind == TK::Real) return isNumeric(from);
  if (to->kind == TK::String || to->kind == TK::WideString) return isStringLike(from);
  if (to->kind == TK::Char || to->kind == TK::WideChar) return from->kind == TK::Char || from->kind == TK::WideChar;
  if (to->kind == TK::Set) return from->kind == TK::Set && sameType(from, to);
  if (to->kind == TK::Class) return from->kind == TK::Nil || (from->kind == TK::Class && descendsFrom(from, to));
  if (to->kind == TK::DynArray || to->kind == TK::OpenArray) return from->kind == TK::Nil || ((from->kind == TK::DynArray || from->kind == TK::OpenArray) && sameType(from->elem, to->elem));
  return false;
}

Expr Parser::convert(const Expr& e, Type* to, const Token& at) {
  if (e.relabeled) return castValue(castSource(e), to, at);
  Type* from = e.type;
  if (from == to && !e.raw) return e;
  if (!assignable(from, to)) errorAt(at, "Type mismatch");
  if ((to->kind == TK::Variant && from->kind == TK::Class) || (from->kind == TK::Variant && to->kind == TK::Class)) {
    failAtRunTime(ErrorKind::TypeMismatch);  // compiles, as in the reference; objects never enter Variants
    int32_t t = temp();
    return withPatch(t, to, emit(Op::Clear, {t}));
  }
  Expr r = e;
  r.type = to;
  bool isConst = e.k == Expr::K::Const;
  if (isInteger(to) && isInteger(from)) {
    Range rf = rangeOf(from), rt = rangeOf(to);
    if (isConst) { r.cval = Value::integer(wrapTo(to, e.cval.rawInt())); return r; }
    r.raw = false;
    if (rf.lo >= rt.lo && rf.hi <= rt.hi && !e.raw) return r;
    if (narrowKind(to) < 0) return r;
    Expr t = toTemp(e);
    return chainNarrow(t, to, narrowKind(to));
  }
  if (from->kind == to->kind && to->kind == TK::Real && to->realVt != varDouble && from->realVt != to->realVt) {
    if (isConst) { r.cval = Value::real(realNarrowed(to, e.cval.rawReal())); return r; }
    Expr t = toTemp(e);
    t.type = to;
    int n = emit(Op::RealNarrow, {t.slot, to->realVt == varSingle ? 0 : 1});
    for (int& p : t.patch) p = -1;
    (void)n;
    return t;
  }
  if (from->kind == to->kind && to->kind != TK::Variant && !isAggregate(to) && to->kind != TK::Enum) return r;
  if (to->kind == TK::Real && isInteger(from)) {
    if (isConst) { r.cval = Value::real(realNarrowed(to, static_cast<double>(e.cval.rawInt()))); return r; }
    int32_t t = e.k == Expr::K::Temp ? e.slot : temp();
    Expr c = withPatch(t, to, emit(Op::IntToReal, {t, operand(e)}));
    if (to->realVt == varDouble) return c;
    emit(Op::RealNarrow, {t, to->realVt == varSingle ? 0 : 1});
    c.patch[0] = -1;
    return c;
  }
  if ((to->kind == TK::Char || to->kind == TK::WideChar) && (from->kind == TK::Char || from->kind == TK::WideChar)) return r;
  if (to->kind == TK::String && from->kind == TK::WideChar) {
    // Through a WideString, as the reference does: U+20AC becomes its UTF-8 bytes.
    return convert(convert(e, tWStr, at), tStr, at);
  }
  if (to->kind == TK::String && from->kind == TK::Char) {
    if (isConst) { r.cval = Value::string(std::string(1, static_cast<char>(e.cval.rawInt()))); return r; }
    int32_t t = temp();
    return withPatch(t, to, emit(Op::CharToStr, {t, operand(e)}));
  }
  if (to->kind == TK::String && from->kind == TK::WideString) {
    if (isConst) { r.cval = Value::string(utf16ToAnsi(e.cval.rawWideString())); return r; }
    int32_t t = temp();
    return withPatch(t, to, emit(Op::WideToStr, {t, operand(e)}));
  }
  if (to->kind == TK::WideString && from->kind == TK::WideChar) {
    if (isConst) { r.cval = Value::wideString(std::u16string(1, static_cast<char16_t>(e.cval.rawInt()))); return r; }
    int32_t t = temp();
    return withPatch(t, to, emit(Op::WCharToWide, {t, operand(e)}));
  }
  if (to->kind == TK::WideString && (from->kind == TK::String || from->kind == TK::Char)) {
    Expr s = convert(e, tStr, at);
    if (s.k == Expr::K::Const) { r.cval = Value::wideString(ansiToUtf16(s.cval.rawString())); r.k = Expr::K::Const; return r; }
    int32_t t = temp();
    return withPatch(t, to, emit(Op::StrToWide, {t, operand(s)}));
  }
  if (to->kind == TK::Variant && from->kind == TK::Interface) return interfaceToVariant();
  if (to->kind == TK::Variant && from->kind == TK::WideChar) return convert(convert(e, tWStr, at), tVariant, at);  // an OleStr
  if (to->kind == TK::Variant) {
    int32_t t = temp();
    int32_t code = variantCode(from);
    if ((from->kind == TK::DynArray || from->kind == TK::OpenArray) && isOrdinal(from->elem))
      code = arrayToVariantCode(variantCode(from->elem));
    return withPatch(t, to, emit(Op::ToVar, {t, operand(e), code}));
  }
  if (from->kind == TK::Variant) {
    ValueClass c = scalarFromVariantClass(to);
    if (to->kind == TK::DynArray)
      c = to->elem->kind == TK::Variant ? ValueClass::VariantList
                                        : static_cast<ValueClass>(kFirstElementList + fromVariantClass(to->elem));
    int32_t t = temp();
    int a = emit(Op::FromVar, {t, operand(e), static_cast<int32_t>(c)});
    int32_t nk = ordinalNarrowKind(to);
    if (nk >= 0 && (c == ValueClass::Int || c == ValueClass::SmallUnsigned)) return withPatch(t, to, a, emit(Op::Narrow, {t, nk}));
    return withPatch(t, to, a);
  }
  if (from->kind == TK::Nil) { int32_t t = temp(); return withPatch(t, to, emit(Op::Clear, {t})); }
  return r;  // same-shaped arrays
}

void Parser::storeInto(int32_t slot, const Expr& e, Type* target, const Token& at) {
  Expr v = convert(e, target, at);
  auto& code = cur->desc->code;
  if (v.k == Expr::K::Temp && v.patch[0] > 0 && v.slot != slot) {
    for (int p : v.patch)
      if (p > 0) code[static_cast<size_t>(p)] = slot;
    return;
  }
  if (v.k == Expr::K::Temp && v.slot == slot) return;
  emit(Op::Move, {slot, operand(v)});
}

// ------------------------------------------------------------------ designators

bool Parser::designatorFor(const Token& name, Designator& d) {
  if (cur) {
    // Fields named by an enclosing with statement come first.
    if (withMemberFor(name, d)) return true;
    for (auto it = cur->withScopes.rbegin(); it != cur->withScopes.rend(); ++it) {
      const Type* rt = it->type;
      if (rt->kind != TK::Record) continue;
      for (size_t i = 0; i < rt->fields.size(); ++i) {
        if (rt->fields[i].name != name.text) continue;
        d = *it;
        d.steps.push_back({true, static_cast<int32_t>(i), rt->fields[i].type});
        d.type = rt->fields[i].type;
        return true;
      }
    }
  }
  const LocalVar* v = nullptr;
  if (cur && cur->locals.count(name.text)) v = &cur->locals.at(name.text);
  if (!v && name.text == "RESULT" && cur && cur->sym && cur->sym->sig.result) {
    cur->resultUsed = true;
    d.slot = 0;
    d.type = cur->sym->sig.result;
    return true;
  }
  if (!v) {
    auto g = globals_.find(name.text);
    if (g == globals_.end()) return false;
    g->second.used = true;
    v = &g->second;
  }
  d.slot = v->slot;
  d.baseIsRef = v->byRef;
  d.type = v->type;
  d.writable = true;  // const parameters are local copies the routine may change
  if (cur && cur->locals.count(name.text)) cur->locals[name.text].used = true;
  return true;
}

void Parser::designatorSuffix(Designator& d) {
  for (;;) {
    if (objectSuffix(d)) continue;
    if (tok_.kind == Tok::LBracket) {
      next();
      do {
        if (d.strChar) error("Type mismatch");
        if (d.varElem) d = valueDesignator(toTemp(load(d)));  // V[i][j]: an element of the element
        Token at = tok_;
        Expr idx = keptExpression();
        if (!isInteger(idx.type) && idx.type->kind != TK::Variant) error("Type mismatch");
        if (d.type->kind == TK::Variant) {
          if (!isInteger(idx.type)) error("Type mismatch");
          d.varElem = true;
          d.varIndex = operand(convert(idx, tInt64, at));
        } else if (d.type->kind == TK::String || d.type->kind == TK::WideString) {
          if (idx.type->kind == TK::Variant) error("Type mismatch");
          Expr i = convert(idx, tInt64, at);
          d.strChar = true;
          d.charIndex = operand(i);
          d.type = d.type->kind == TK::String ? tChar : tWChar;
        } else if (isArray(d.type) && d.type->kind != TK::ArrayOfConst) {
          Expr i = convert(idx, tInt64, at);
          d.steps.push_back({false, operand(i), d.type->elem});
          d.type = d.type->elem;
        } else {
          error("Type mismatch");
        }
      } while (accept(Tok::Comma));
      expect(Tok::RBracket, "");
    } else if (tok_.kind == Tok::Dot) {
      if (d.type->kind == TK::Interface) return;  // no members reachable from a script: the '.' is left over
      next();
      if (d.type->kind != TK::Record || d.strChar) error("Identifier expected");
      Token at = tok_;
      std::string f = identifier();
      int32_t n = -1;
      for (size_t i = 0; i < d.type->fields.size(); ++i)
        if (d.type->fields[i].name == f) n = static_cast<int32_t>(i);
      if (n < 0) errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
      Type* ft = d.type->fields[static_cast<size_t>(n)].type;
      d.steps.push_back({true, n, ft});
      d.type = ft;
    } else {
      return;
    }
  }
}

// Indexes or fields applied to a computed value held in a temporary.
Designator Parser::valueDesignator(const Expr& value) {
  Designator d;
  d.slot = value.slot;
  d.type = value.type;
  d.writable = false;
  return d;
}

Expr Parser::suffixOf(const Expr& value) {
  Designator d = valueDesignator(value);
  designatorSuffix(d);
  return load(d);
}

// V[i] of a Variant reads through VarArrayGet(V, i) and writes through
// VarArraySet(value, i, V), as the reference compiles it.
Expr Parser::variantElement(const Designator& d, const Expr* value) {
  Designator base = d;
  base.varElem = false;
  ProcSym* p = findProc(value ? "VARARRAYSET" : "VARARRAYGET");
  if (!p) error("Unknown identifier 'VarArrayGet'");
  int32_t argBase = temp(4);
  int32_t refArg = argBase + (value ? 3 : 1);
  if (base.steps.empty() && !base.baseIsRef) emit(Op::Ref, {refArg, base.slot});
  else emit(Op::MoveRef, {refArg, refOf(base)});
  emit(Op::Move, {argBase + 2, d.varIndex});
  if (value) storeInto(argBase + 1, *value, tVariant, tok_);
  emit(Op::CallNative, {nativeIndexFor(*p), argBase});
  return callResult(argBase, value ? nullptr : tVariant);
}

Expr Parser::load(const Designator& d) {
  if (d.prop) return readProperty(d);
  if (d.varElem) return variantElement(d, nullptr);
  int32_t at = d.slot;
  int last = -1;
  if (d.baseIsRef) {
    int32_t t = temp();
    last = emit(Op::LoadRef, {t, d.slot});
    at = t;
  }
  for (const auto& s : d.steps) {
    int32_t t = temp();
    last = s.field ? emit(Op::Field, {t, at, s.value}) : emit(Op::Index, {t, at, s.value});
    at = t;
  }
  if (d.strChar) {
    int32_t t = temp();
    last = emit(d.type->kind == TK::WideChar ? Op::WStrIndex : Op::StrIndex, {t, at, d.charIndex});
    at = t;
  }
  if (last < 0) {
    Expr e;
    e.k = Expr::K::Slot;
    e.slot = d.slot;
    e.type = d.type;
    return e;
  }
  return withPatch(at, d.type, last);
}

int32_t Parser::refOf(const Designator& d) {
  int32_t r = d.slot;
  if (!d.baseIsRef) {
    r = temp();
    emit(Op::Ref, {r, d.slot});
  }
  for (const auto& s : d.steps) {
    int32_t t = temp();
    if (s.field) emit(Op::RefField, {t, r, s.value});
    else emit(Op::RefIndex, {t, r, s.value});
    r = t;
  }
  return r;
}

void Parser::assignTo(const Designator& d, const Expr& e, const Token& at) {
  if (d.prop) { writeProperty(d, e, at); return; }
  if (!d.writable) errorAt(at, "Variable Expected");
  if (d.varElem) { variantElement(d, &e); return; }
  if (d.strChar) {
    Designator base = d;
    base.strChar = false;
    bool wide = d.type->kind == TK::WideChar;
    Expr c = convert(e, wide ? tWChar : tChar, at);
    int32_t cs = operand(c);
    emit(wide ? Op::WStrSetChar : Op::StrSetChar, {refOf(base), d.charIndex, cs});
    return;
  }
  if (d.steps.empty() && !d.baseIsRef) {
    storeInto(d.slot, e, d.type, at);
    return;
  }
  Expr v = convert(e, d.type, at);
  int32_t vs = operand(v);
  emit(Op::StoreRef, {refOf(d), vs});
}

// ------------------------------------------------------------------ calls

// Where the reference reports a message without a position: [0, 0].
static Token noPosition() {
  Token t;
  t.row = 0;
  t.col = 0;
  t.pos = std::numeric_limits<size_t>::max();  // outside every included file
  return t;
}

void Parser::callArguments(ProcSym& p, int32_t argBase, const Token& at) {
  const auto& params = p.sig.params;
  int32_t top = argBase + 1 + static_cast<int32_t>(params.size());
  size_t n = 0;
  if (accept(Tok::LParen) && !accept(Tok::RParen)) {
    do {
      if (n >= params.size()) {  // surplus arguments: parsed, then reported after the list
        expression();
        cur->tempTop = top;
        ++n;
        continue;
      }
      const Param& prm = params[n];
      int32_t slot = argBase + 1 + static_cast<int32_t>(n);
      Token argAt = tok_;
      if (prm.byRef()) {
        Designator d;
        if (tok_.kind != Tok::Ident || !designatorFor(tok_, d)) notAVariable();
        next();
        designatorSuffix(d);
        if (tok_.kind != Tok::Comma && tok_.kind != Tok::RParen) errorAt(noPosition(), "Variable Expected");
        bool openArray = prm.type->kind == TK::OpenArray && d.type->kind == TK::DynArray && sameType(d.type->elem, prm.type->elem);
        if (!sameType(d.type, prm.type) && !openArray && !(isInteger(d.type) && d.type->kind == prm.type->kind)) deferMismatch();
        if (d.strChar || d.varElem || d.prop || d.called) errorAt(argAt, "Variable Expected");
        if (d.steps.empty() && !d.baseIsRef) emit(Op::Ref, {slot, d.slot});
        else emit(Op::MoveRef, {slot, refOf(d)});
      } else if (prm.type->kind == TK::ArrayOfConst || prm.type->kind == TK::OpenArray) {
        if (tok_.kind == Tok::LBracket) {
          bool constArgs = prm.type->kind == TK::ArrayOfConst;
          Expr a = arrayConstructor(constArgs ? nullptr : prm.type->elem, constArgs);
          storeInto(slot, a, a.type, tok_);
        } else {
          Expr a = expression();
          if (!isArray(a.type)) errorAt(tok_, "Type mismatch");
          storeInto(slot, a, a.type, tok_);
        }
      } else {
        Expr a = keptExpression();
        if (assignable(a.type, prm.type)) storeInto(slot, a, prm.type, tok_);
        else deferMismatch();
      }
      cur->tempTop = top;
      ++n;
    } while (accept(Tok::Comma));
    expect(Tok::RParen, "");
  }
  if (n != params.size()) errorAt(tok_, "Invalid number of parameters");
  (void)at;
}

// A call's result is the first slot of its argument block; the temporaries
// above it are free again.
// A value where a var parameter wants a variable: "Variable Expected" where
// the reference's value records its place. A literal at itself; a constant,
// a call or a negation at the token after it; an operator's result nowhere.
void Parser::notAVariable() {
  Token start = tok_;
  bool literal = start.kind == Tok::Int || start.kind == Tok::Real || start.kind == Tok::String || start.kind == Tok::Char;
  expression();
  if (lastCombined_) errorAt(noPosition(), "Variable Expected");
  if (literal) errorAt(start, "Variable Expected");
  error("Variable Expected");
}

Expr Parser::callResult(int32_t argBase, Type* result) {
  cur->tempTop = argBase + 1;
  Expr e;
  e.k = Expr::K::Temp;
  e.slot = argBase;
  e.type = result ? result : tVoid;
  return e;
}

Expr Parser::callRoutine(ProcSym& p, const Token& at) {
  p.used = true;
  if (!p.native && p.index < 0) errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
  int32_t argBase = temp(1 + static_cast<int>(p.sig.params.size()));
  callArguments(p, argBase, at);
  if (p.native) emit(Op::CallNative, {nativeIndexFor(p), argBase});
  else emit(Op::Call, {p.index, argBase});
  return callResult(argBase, p.sig.result);
}

Expr Parser::arrayConstructor(Type* elemHint, bool markVariants) {
  expect(Tok::LBracket, "");
  std::vector<Expr> items;
  if (tok_.kind != Tok::RBracket) {
    do items.push_back(expression()); while (accept(Tok::Comma));
  }
  expect(Tok::RBracket, "");
  Type* arrType = tVarArray;
  Type* elem = tVariant;
  if (elemHint) {
    arrType = newType(TK::DynArray, "array of");
    arrType->elem = elemHint;
    registerAggregate(arrType);
    elem = elemHint;
  }
  int32_t t = temp();
  int at = emit(Op::NewArr, {t, elemHint ? arrType->runtimeType : -1, static_cast<int32_t>(items.size())});
  for (size_t i = 0; i < items.size(); ++i) {
    int32_t mark = cur->tempTop;
    Expr v = convert(items[i], elem, tok_);
    if (markVariants && items[i].type->kind == TK::Variant) {
      int32_t marked = temp();
      emit(Op::ToVar, {marked, operand(v), kVtVariantArgument});
      v = withPatch(marked, tVariant, -1);
    }
    emit(Op::PutItem, {t, static_cast<int32_t>(i), operand(v)});
    cur->tempTop = mark;
  }
  Expr e = withPatch(t, arrType, at);
  e.patch[0] = -1;  // filled by several instructions: not retargetable
  return e;
}

// [a, b, c] in an expression: a set when its elements are ordinal, else an
// array of Variant.
Expr Parser::setOrArrayConstructor() {
  expect(Tok::LBracket, "");
  std::vector<Expr> items;
  if (tok_.kind != Tok::RBracket) {
    do items.push_back(expression()); while (accept(Tok::Comma));
  }
  expect(Tok::RBracket, "");
  bool ordinal = true;
  for (const Expr& e : items) ordinal = ordinal && isOrdinal(e.type) && e.type->kind != TK::Int64;
  int32_t t = temp();
  if (ordinal) {
    Type* st = newType(TK::Set, "set");
    st->elem = items.empty() ? nullptr : (isInteger(items[0].type) ? tByte : items[0].type);
    emit(Op::Clear, {t});
    for (const Expr& e : items) {
      if (st->elem && !sameType(e.type, st->elem) && !(isInteger(e.type) && isInteger(st->elem))) error("Type mismatch");
      emit(Op::SetAdd, {t, operand(e)});
    }
    Expr r = withPatch(t, st, -1);
    return r;
  }
  emit(Op::NewArr, {t, -1, static_cast<int32_t>(items.size())});
  for (size_t i = 0; i < items.size(); ++i) {
    Expr v = convert(items[i], tVariant, tok_);
    emit(Op::PutItem, {t, static_cast<int32_t>(i), operand(v)});
  }
  return withPatch(t, tVarArray, -1);
}

// ------------------------------------------------------------------ operators

Expr Parser::intOp(Op op, const Expr& a0, const Expr& b0, Type* resultType) {
  // A cast operand is narrowed to its type before it takes part.
  Expr a = a0.raw ? convert(a0, a0.type, tok_) : a0;
  Expr b = b0.raw ? convert(b0, b0.type, tok_) : b0;
  int32_t t = a.k == Expr::K::Temp ? a.slot : temp();
  int32_t sa = operand(a), sb = operand(b);
  if (resultType->kind == TK::Integer && (op == Op::Add || op == Op::Sub || op == Op::Mul)) {
    Op fused = op == Op::Add ? Op::Add32 : op == Op::Sub ? Op::Sub32 : Op::Mul32;
    return withPatch(t, resultType, emit(fused, {t, sa, sb}));
  }
  int first = emit(op, {t, sa, sb});
  int32_t nk = narrowKind(resultType);
  if (nk >= 0 && resultType->kind != TK::Char && !staysInRange(op, a.type, b.type, resultType))
    return withPatch(t, resultType, first, emit(Op::Narrow, {t, nk}));
  return withPatch(t, resultType, first);
}

// The right operand of a comparison, div or mod as the left operand's type
// reads it: a Cardinal (truncated to 32 bits) for Byte, Word and Cardinal, a
// Longint for ShortInt, SmallInt and Integer (an Integer still meets an Int64
// whole, and so does a Cardinal in arithmetic), itself for Int64.
Expr Parser::asLeftReadsIt(const Type* left, const Expr& right, const Token& at, bool arithmetic) {
  bool wholeInt64 = left->kind == TK::Integer || (arithmetic && left->kind == TK::Cardinal);
  if (left->kind == TK::Int64 || (wholeInt64 && right.type->kind == TK::Int64)) return right;
  return convert(right, rangeOf(left).lo >= 0 ? tCardinal : tInt, at);
}

Expr Parser::realOp(Op op, const Expr& a, const Expr& b, Type* resultType, const Token& at) {
  Expr x = a.type->kind == TK::Real ? a : convert(a, tReal, at);
  Expr y = b.type->kind == TK::Real ? b : convert(b, tReal, at);
  int32_t t = x.k == Expr::K::Temp ? x.slot : temp();
  Expr r = withPatch(t, resultType, emit(op, {t, operand(x), operand(y)}));
  if (resultType != tReal) return r;
  // Arithmetic is done in the left operand's real type, or the right one's
  // when the left is an integer: Single rounds, Currency keeps four decimals.
  Type* real = a.type->kind == TK::Real ? a.type : b.type;
  r.type = real;
  if (real->realVt == varSingle || real->realVt == varCurrency) {
    emit(Op::RealNarrow, {t, real->realVt == varSingle ? 0 : 1});
    r.patch[0] = -1;
  }
  return r;
}

Expr Parser::foldConst(Tok op, const Expr& a, const Expr& b, const Token& /*at*/, bool& folded) {
  folded = true;
  const Type* ta = a.type;
  const Type* tb = b.type;
  if (isInteger(ta) && isInteger(tb)) {
    int64_t x = a.cval.rawInt(), y = b.cval.rawInt();
    uint64_t ux = static_cast<uint64_t>(x), uy = static_cast<uint64_t>(y);
    int64_t r = 0;
    switch (op) {
      case Tok::Plus: r = static_cast<int64_t>(ux + uy); break;
      case Tok::Minus: r = static_cast<int64_t>(ux - uy); break;
      case Tok::Star: r = static_cast<int64_t>(ux * uy); break;
      case Tok::Div: case Tok::Slash: case Tok::Mod:
        if (y == 0) errorAt(tok_, "Divide by Zero");
        if (x == INT64_MIN && y == -1) r = op == Tok::Mod ? 0 : x;
        else r = op == Tok::Mod ? x % y : x / y;
        break;
      case Tok::And: r = x & y; break;
      case Tok::Or: r = x | y; break;
      case Tok::Xor: r = x ^ y; break;
      // Shifts as the VM does them: 64 bits for Int64, else 32 bits with the count masked.
      case Tok::Shl:
        r = ta->kind == TK::Int64 ? static_cast<int64_t>(ux << (y & 63))
                                  : static_cast<int32_t>(static_cast<uint32_t>(x) << (y & 31));
        break;
      case Tok::Shr:
        r = ta->kind == TK::Int64 ? static_cast<int64_t>(ux >> (y & 63))
                                  : static_cast<int32_t>(static_cast<uint32_t>(x) >> (y & 31));
        break;
      default: folded = false; return {};
    }
    return literalConst(a.type, Value::integer(wrapTo(ta, r)));
  }
  if (isNumeric(ta) && isNumeric(tb) && (op == Tok::Plus || op == Tok::Minus || op == Tok::Star || op == Tok::Slash)) {
    double x = ta->kind == TK::Real ? a.cval.rawReal() : static_cast<double>(a.cval.rawInt());
    double y = tb->kind == TK::Real ? b.cval.rawReal() : static_cast<double>(b.cval.rawInt());
    double r = op == Tok::Plus ? x + y : op == Tok::Minus ? x - y : op == Tok::Star ? x * y : x / y;
    return literalConst(tReal, Value::real(r));
  }
  bool anyWide = ta->kind == TK::WideString || tb->kind == TK::WideString || ta->kind == TK::WideChar || tb->kind == TK::WideChar;
  if (op == Tok::Plus && isStringLike(ta) && isStringLike(tb) && !anyWide) {
    auto str = [](const Expr& e) { return e.type->kind == TK::Char ? std::string(1, static_cast<char>(e.cval.rawInt())) : std::string(e.cval.rawString()); };
    return literalConst(tStr, Value::string(str(a) + str(b)));
  }
  if (ta->kind == TK::Boolean && tb->kind == TK::Boolean && (op == Tok::And || op == Tok::Or || op == Tok::Xor)) {
    int64_t x = a.cval.rawInt(), y = b.cval.rawInt();
    return literalConst(tBool, Value::integer(op == Tok::And ? (x & y) : op == Tok::Or ? (x | y) : (x ^ y)));
  }
  folded = false;
  return {};
}

// Boolean, ByteBool, WordBool and LongBool do not mix in operators.
static bool mixedBooleans(const Type* a, const Type* b) {
  return a->kind == TK::Boolean && b->kind == TK::Boolean && a->boolBytes != b->boolBytes;
}

Expr Parser::binary(Tok op, Expr a, Expr b, const Token& at) {
  a = settleCast(a);
  b = settleCast(b);
  if (mixedBooleans(a.type, b.type)) errorAt(tok_, "Type mismatch");
  if ((op == Tok::And || op == Tok::Or) && a.k == Expr::K::Const && a.type->kind == TK::Boolean) {
    bool v = a.cval.rawInt() != 0;
    std::string word = v ? "True" : "False";
    if (v == (op == Tok::Or)) {  // False and X, True or X
      warning(at, "Calculation always evaluates to " + word, word);
    } else {
      std::string p = "\"" + word + (op == Tok::And ? " and\"" : " or\"");
      warning(at, p + " is not needed", p);
    }
  }
  if (a.k == Expr::K::Const && b.k == Expr::K::Const) {
    bool folded = false;
    Expr r = foldConst(op, a, b, at, folded);
    if (folded) return r;
  }
  if (a.type->kind == TK::Variant || b.type->kind == TK::Variant) {
    bool variantLeft = a.type->kind == TK::Variant;
    const Type* other = variantLeft ? b.type : a.type;
    if ((op == Tok::And || op == Tok::Or || op == Tok::Xor) && !variantLeft && other->kind == TK::Boolean && other->boolBytes == 0) {
      // Boolean and Variant: a Boolean, the Variant read as an unsigned ordinal
      Expr y = convert(b, a.type, at);
      int32_t t = a.k == Expr::K::Temp ? a.slot : temp();
      Op o = op == Tok::And ? Op::And : op == Tok::Or ? Op::Or : Op::Xor;
      return withPatch(t, a.type, emit(o, {t, operand(a), operand(y)}));
    }
    if (!variantOperandFits(op, other)) errorAt(tok_, "Type mismatch");
    Expr x = convert(a, tVariant, at), y = convert(b, tVariant, at);
    VarOperator vo;
    switch (op) {
      case Tok::Plus: vo = VarOperator::Add; break;
      case Tok::Minus: vo = VarOperator::Sub; break;
      case Tok::Star: vo = VarOperator::Mul; break;
      case Tok::Slash: vo = VarOperator::Div; break;
      case Tok::Div: vo = VarOperator::Div; break;  // as / does: reals divide only when the left side is one
      case Tok::Mod: vo = VarOperator::Mod; break;
      case Tok::And: vo = VarOperator::And; break;
      case Tok::Or: vo = VarOperator::Or; break;
      case Tok::Xor: vo = VarOperator::Xor; break;
      case Tok::Shl: vo = VarOperator::Shl; break;
      default: vo = VarOperator::Shr; break;
    }
    int32_t t = x.k == Expr::K::Temp ? x.slot : temp();
    return withPatch(t, tVariant, emit(Op::VarOp, {t, operand(x), operand(y), static_cast<int32_t>(vo)}));
  }
  const Type* ta = a.type;
  const Type* tb = b.type;
  if (ta->kind == TK::Set && tb->kind == TK::Set && (op == Tok::Plus || op == Tok::Minus || op == Tok::Star)) {
    if (!sameType(ta, tb)) errorAt(tok_, "Type mismatch");
    int32_t t = temp();
    int32_t which = op == Tok::Plus ? 0 : op == Tok::Minus ? 1 : 2;
    return withPatch(t, ta->elem ? a.type : b.type, emit(Op::SetOp, {t, operand(a), operand(b), which}));
  }
  switch (op) {
    case Tok::Plus:
      if (isStringLike(ta) && isStringLike(tb)) {
        bool wide = ta->kind == TK::WideString || tb->kind == TK::WideString || ta->kind == TK::WideChar || tb->kind == TK::WideChar;
        Type* st = wide ? tWStr : tStr;
        Expr x = convert(a, st, at), y = convert(b, st, at);
        int32_t t = x.k == Expr::K::Temp ? x.slot : temp();
        return withPatch(t, st, emit(wide ? Op::WConcat : Op::Concat, {t, operand(x), operand(y)}));
      }
      [[fallthrough]];
    case Tok::Minus:
    case Tok::Star:
      if (isInteger(ta) && isInteger(tb))
        return intOp(op == Tok::Plus ? Op::Add : op == Tok::Minus ? Op::Sub : Op::Mul, a, b, a.type);
      if (isNumeric(ta) && isNumeric(tb)) return realOp(realOpFor(op), a, b, tReal, at);
      break;
    case Tok::Slash:
      if (isInteger(ta) && isInteger(tb)) return intOp(Op::IDiv, a, asLeftReadsIt(ta, b, at, true), a.type);
      if (isNumeric(ta) && isNumeric(tb)) return realOp(Op::RDiv, a, b, tReal, at);
      break;
    case Tok::Div:
    case Tok::Mod:
      if (isInteger(ta) && isInteger(tb)) return intOp(op == Tok::Div ? Op::IDiv : Op::IMod, a, asLeftReadsIt(ta, b, at, true), a.type);
      break;
    case Tok::And:
    case Tok::Or:
    case Tok::Xor:
      if (ta->kind == TK::Boolean && tb->kind == TK::Boolean) {
        int32_t t = a.k == Expr::K::Temp ? a.slot : temp();
        Op o = op == Tok::And ? Op::And : op == Tok::Or ? Op::Or : Op::Xor;
        return withPatch(t, tBool, emit(o, {t, operand(a), operand(b)}));
      }
      if (isInteger(ta) && isInteger(tb))
        return intOp(op == Tok::And ? Op::And : op == Tok::Or ? Op::Or : Op::Xor, a, b, a.type);
      break;
    case Tok::Shl:
    case Tok::Shr:
      if (isInteger(ta) && isInteger(tb)) {
        bool wide = ta->kind == TK::Int64;
        return intOp(op == Tok::Shl ? (wide ? Op::Shl : Op::Shl32) : (wide ? Op::Shr : Op::Shr32), a, b, a.type);
      }
      break;
    default:
      break;
  }
  errorAt(tok_, "Type mismatch");
}

Expr Parser::compare(Tok op, Expr a, Expr b, const Token& at) {
  a = settleCast(a);
  b = settleCast(b);
  if (op == Tok::In) {
    if (b.type->kind != TK::Set || !isOrdinal(a.type)) errorAt(tok_, "Type mismatch");
    int32_t t = temp();
    return withPatch(t, tBool, emit(Op::SetIn, {t, operand(a), operand(b)}));
  }
  if (op == Tok::Is || mixedBooleans(a.type, b.type)) errorAt(tok_, "Type mismatch");
  if (a.type->kind == TK::ProcPtr || b.type->kind == TK::ProcPtr) return compareProcValues(op, a, b);
  if (a.type->kind == TK::Interface || b.type->kind == TK::Interface) return compareInterfaces(op, a, b);
  bool objects = (a.type->kind == TK::Class || a.type->kind == TK::Nil) && (b.type->kind == TK::Class || b.type->kind == TK::Nil);
  if (objects && (a.type->kind == TK::Class || b.type->kind == TK::Class)) {
    if (op != Tok::Eq && op != Tok::Ne) errorAt(tok_, "Type mismatch");
    int32_t t = temp();
    return withPatch(t, tBool, emit(op == Tok::Eq ? Op::Eq : Op::Ne, {t, operand(a), operand(b)}));
  }
  if (a.type->kind == TK::Record && a.type == b.type && (op == Tok::Eq || op == Tok::Ne)) {
    int32_t t = temp();
    return withPatch(t, tBool, emit(Op::RecCmp, {t, operand(a), operand(b), op == Tok::Eq ? 0 : 1}));
  }
  if (a.type->kind == TK::Set && b.type->kind == TK::Set) {
    int32_t which = op == Tok::Eq ? 0 : op == Tok::Ne ? 1 : op == Tok::Le ? 2 : op == Tok::Ge ? 3 : -1;
    if (which < 0 || !sameType(a.type, b.type)) errorAt(tok_, "Type mismatch");
    int32_t t = temp();
    return withPatch(t, tBool, emit(Op::SetCmp, {t, operand(a), operand(b), which}));
  }
  int idx = op == Tok::Eq ? 0 : op == Tok::Ne ? 1 : op == Tok::Lt ? 2 : op == Tok::Le ? 3 : op == Tok::Gt ? 4 : 5;
  static const Op kInt[] = {Op::Eq, Op::Ne, Op::Lt, Op::Le, Op::Gt, Op::Ge};
  static const Op kReal[] = {Op::REq, Op::RNe, Op::RLt, Op::RLe, Op::RGt, Op::RGe};
  static const Op kStr[] = {Op::SEq, Op::SNe, Op::SLt, Op::SLe, Op::SGt, Op::SGe};
  static const VarOperator kVar[] = {VarOperator::Eq, VarOperator::Ne, VarOperator::Lt, VarOperator::Le, VarOperator::Gt, VarOperator::Ge};
  const Type* ta = a.type;
  const Type* tb = b.type;
  if (Expr x, y; typedLeftComparesVariant(a, b, x, y, tok_)) return compare(op, x, y, at);
  if (ta->kind == TK::Variant || tb->kind == TK::Variant) {
    Expr x = convert(a, tVariant, tok_), y = convert(b, tVariant, tok_);
    int32_t t = temp();
    return withPatch(t, tBool, emit(Op::VarOp, {t, operand(x), operand(y), static_cast<int32_t>(kVar[idx])}));
  }
  bool ordinalPair = (isInteger(ta) && isInteger(tb)) || (ta->kind == TK::Boolean && tb->kind == TK::Boolean) ||
                     ((ta->kind == TK::Char || ta->kind == TK::WideChar) && (tb->kind == TK::Char || tb->kind == TK::WideChar)) ||
                     (ta->kind == TK::Enum && ta == tb);
  if (ordinalPair) {
    bool relational = idx >= 2;
    if (relational && (ta->kind == TK::Boolean || ta->kind == TK::Enum)) errorAt(tok_, "Type mismatch");
    if (relational && a.k == Expr::K::Const && b.k == Expr::K::Const && !isInteger(ta)) errorAt(tok_, "Type mismatch");
    // Both sides then compare by value.
    Expr x = a, y = isInteger(ta) && isInteger(tb) ? asLeftReadsIt(ta, b, at) : b;
    if (x.k == Expr::K::Const && y.k == Expr::K::Const) {
      int64_t p = x.cval.rawInt(), q = y.cval.rawInt();
      bool r = idx == 0 ? p == q : idx == 1 ? p != q : idx == 2 ? p < q : idx == 3 ? p <= q : idx == 4 ? p > q : p >= q;
      return literalConst(tBool, Value::integer(r));
    }
    int32_t t = temp();
    return withPatch(t, tBool, emit(kInt[idx], {t, operand(x), operand(y)}));
  }
  if (isNumeric(ta) && isNumeric(tb)) return realOp(kReal[idx], a, b, tBool, at);
  if (isStringLike(ta) && isStringLike(tb)) {
    if (a.k == Expr::K::Const && b.k == Expr::K::Const && idx >= 2) errorAt(tok_, "Type mismatch");
    Expr x = convert(a, tStr, at), y = convert(b, tStr, at);
    int32_t t = temp();
    return withPatch(t, tBool, emit(kStr[idx], {t, operand(x), operand(y)}));
  }
  errorAt(tok_, "Type mismatch");
}

Expr Parser::unary(Tok op, Expr e, const Token& at) {
  if (!isInteger(e.type) || (e.relabeled && !isInteger(e.relabeled))) e = settleCast(e);
  const Type* t = e.type;
  bool c = e.k == Expr::K::Const;
  if (op == Tok::Not) {
    if (t->kind == TK::Boolean) {
      if (c && inConstDeclaration_) errorAt(tok_, "Type mismatch");
      if (c) return literalConst(tBool, Value::integer(e.cval.rawInt() ? 0 : 1));
      int32_t r = e.k == Expr::K::Temp ? e.slot : temp();
      return withPatch(r, tBool, emit(Op::BoolNot, {r, operand(e)}));
    }
    if (isInteger(t)) {
      if (c) return literalConst(e.type, Value::integer(wrapTo(t, ~e.cval.rawInt())));
      int32_t r = e.k == Expr::K::Temp ? e.slot : temp();
      Expr n = withPatch(r, e.type, emit(Op::BitNot, {r, operand(e)}));
      n.raw = true;  // "not B" takes the width of where it is stored
      return n;
    }
    if (t->kind == TK::Variant) {
      int32_t r = temp();
      return withPatch(r, tVariant, emit(Op::VarNot, {r, operand(e)}));
    }
    errorAt(at, "Type mismatch");
  }
  // unary minus
  if (isInteger(t)) {
    // In the constant's own type: -2147483648 is the Cardinal 2147483648.
    if (c) return literalConst(e.type, Value::integer(wrapTo(t, static_cast<int64_t>(0 - static_cast<uint64_t>(e.cval.rawInt())))));
    int32_t r = e.k == Expr::K::Temp ? e.slot : temp();
    Expr n = withPatch(r, e.type, emit(Op::Neg, {r, operand(e)}));
    n.raw = true;  // -Byte(7) is -7 until it is stored
    return n;
  }
  if (t->kind == TK::Real) {
    if (c) return literalConst(tReal, Value::real(-e.cval.rawReal()));
    int32_t r = e.k == Expr::K::Temp ? e.slot : temp();
    return withPatch(r, tReal, emit(Op::RNeg, {r, operand(e)}));
  }
  if (t->kind == TK::Variant) {
    Expr zero = literalConst(tInt, Value::integer(0));
    return binary(Tok::Minus, zero, e, at);
  }
  errorAt(at, "Type mismatch");
}

// ------------------------------------------------------------------ grammar

Expr Parser::constExpression() {
  Token at = tok_;
  ProcBuilder scratch;
  ProcDesc scratchDesc;
  ProcBuilder* saved = cur;
  if (!cur) { scratch.desc = &scratchDesc; cur = &scratch; }
  size_t codeBefore = cur->desc->code.size();
  Expr e = expression();
  bool emitted = cur->desc->code.size() != codeBefore;
  cur = saved;
  if (e.k != Expr::K::Const || emitted) errorAt(at, "Syntax error");
  return e;
}

Expr Parser::expression() {
  if (++depth_ > kMaxExprDepth) error("Internal error (too deeply nested)");
  bool nested = nestedExpr_, keep = keepCast_;
  nestedExpr_ = keepCast_ = false;
  Expr a = simpleExpression();
  bool combined = lastCombined_;
  while (tok_.kind == Tok::Eq || tok_.kind == Tok::Ne || tok_.kind == Tok::Lt || tok_.kind == Tok::Le ||
         tok_.kind == Tok::Gt || tok_.kind == Tok::Ge || tok_.kind == Tok::In || tok_.kind == Tok::Is) {
    Token at = tok_;
    next();
    if (at.kind == Tok::Is) {
      Token typeAt = tok_;
      a = objectTest(Tok::Is, a, classTypeName(true), typeAt);
      continue;
    }
    Expr b = simpleExpression();
    a = compare(at.kind, std::move(a), std::move(b), at);
    combined = true;
  }
  lastCombined_ = combined;
  if (!keep) a = settleCast(a);
  if (!nested && foldError_) {  // a constant that did not fold: reported where the whole expression ends
    foldError_ = false;
    error("Type mismatch");
  }
  --depth_;
  return a;
}

Expr Parser::simpleExpression() {
  Expr a = term();
  bool combined = lastCombined_;
  while (tok_.kind == Tok::Plus || tok_.kind == Tok::Minus || tok_.kind == Tok::Or || tok_.kind == Tok::Xor) {
    Token at = tok_;
    next();
    Expr b = term();
    a = binary(at.kind, std::move(a), std::move(b), at);
    combined = true;
  }
  lastCombined_ = combined;
  return a;
}

Expr Parser::term() {
  Expr a = factor();
  bool combined = false;
  while (tok_.kind == Tok::Star || tok_.kind == Tok::Slash || tok_.kind == Tok::Div || tok_.kind == Tok::Mod ||
         tok_.kind == Tok::And || tok_.kind == Tok::Shl || tok_.kind == Tok::Shr || tok_.kind == Tok::As) {
    Token at = tok_;
    next();
    if (at.kind == Tok::As) {
      Token typeAt = tok_;
      a = objectTest(Tok::As, a, classTypeName(), typeAt);
      continue;
    }
    Expr b = factor();
    a = binary(at.kind, std::move(a), std::move(b), at);
    combined = true;
  }
  lastCombined_ = combined;
  return a;
}

Expr Parser::factor() {
  if (++depth_ > kMaxExprDepth) error("Internal error (too deeply nested)");
  Token at = tok_;
  Expr r;
  switch (tok_.kind) {
    case Tok::Int: {
      int64_t v = tok_.ival;
      next();
      // Literals that do not fit an Integer are Cardinal up to $FFFFFFFF, Int64 above.
      Type* t = v >= INT32_MIN && v <= INT32_MAX ? tInt : v >= 0 && v <= UINT32_MAX ? tCardinal : tInt64;
      r = literalConst(t, Value::integer(v));
      break;
    }
    case Tok::Real: r = literalConst(tReal, Value::real(tok_.rval)); next(); break;
    case Tok::String:
    case Tok::Char:
      if (tok_.wide) {  // #$263A and the like: WideChar or WideString
        r = tok_.wideText.size() == 1 ? literalConst(tWChar, Value::integer(tok_.wideText[0]))
                                      : literalConst(tWStr, Value::wideString(tok_.wideText));
      } else if (tok_.kind == Tok::Char) {
        r = literalConst(tChar, Value::integer(static_cast<uint8_t>(tok_.text[0])));
      } else {
        r = literalConst(tStr, Value::string(tok_.text));
      }
      next();
      break;
    case Tok::LParen:
      next();
      nestedExpr_ = keepCast_ = true;  // (T(x)) is still the cast
      r = expression();
      expect(Tok::RParen, "");
      break;
    case Tok::Not: next(); r = unary(Tok::Not, factor(), at); break;
    case Tok::Minus: next(); r = unary(Tok::Minus, factor(), at); break;
    case Tok::Plus: next(); r = factor(); break;
    case Tok::Nil: next(); r = literalConst(tNil, Value()); break;
    case Tok::At: r = procAddress(); break;
    case Tok::LBracket: r = setOrArrayConstructor(); break;
    case Tok::Chr: {
      next();
      expect(Tok::LParen, "");
      nestedExpr_ = true;
      Expr e = expression();
      if (tok_.kind != Tok::RParen) expect(Tok::RParen, "");
      if (!isInteger(e.type)) error("Type mismatch");
      next();
      if (e.k == Expr::K::Const) { r = literalConst(tChar, Value::integer(static_cast<uint8_t>(e.cval.rawInt()))); break; }
      r = chainNarrow(toTemp(e), tChar, static_cast<int32_t>(IntKind::U8));
      break;
    }
    case Tok::Ord: next(); r = ordCast(at); break;
    case Tok::Ident: r = identifierFactor(); break;
    default: error("Syntax error");
  }
  --depth_;
  return r;
}

Expr Parser::identifierFactor() {
  Token at = tok_;
  const std::string& name = at.text;
  Designator d;
  if (designatorFor(at, d)) {
    next();
    designatorSuffix(d);
    if (d.type->kind == TK::ProcPtr && tok_.kind == Tok::LParen) {
      if (!d.type->sig->result) errorAt(tok_, "Type mismatch");
      return callThrough(load(d), at);
    }
    return load(d);
  }
  if (auto c = consts_.find(name); c != consts_.end()) {
    next();
    if (tok_.kind != Tok::LBracket || c->second.type->kind != TK::String) return c->second;
    return suffixOf(toTemp(c->second));  // 'abc'[2] through a temporary
  }
  if (Type* t = namedType(name)) {
    next();
    if (tok_.kind == Tok::LParen) {
      Expr r = typeCast(t, at);
      if (t->kind == TK::Class && (tok_.kind == Tok::Dot || tok_.kind == Tok::LBracket)) return suffixOf(r);
      return r;
    }
    if (t->kind == TK::Class && accept(Tok::Dot)) {
      Token member = tok_;
      identifier();
      Expr r = constructorCall(t, member);
      if (tok_.kind == Tok::Dot || tok_.kind == Tok::LBracket) return suffixOf(r);
      return r;
    }
    if (t->kind == TK::Class) errorAt(tok_, "Type mismatch");  // a class reference where a value is due
    errorAt(at, "Type mismatch");
  }
  if (isIntrinsic(name)) {
    next();
    return intrinsic(name, at, false);
  }
  if (ProcSym* p = findProc(name)) {
    next();
    if (!p->sig.result) errorAt(tok_, "Type mismatch");
    Expr r = callRoutine(*p, at);
    if (tok_.kind == Tok::Dot || tok_.kind == Tok::LBracket) return suffixOf(r);  // F(x).Field, F(x)[i]
    return r;
  }
  errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
}

}  // namespace pscript
