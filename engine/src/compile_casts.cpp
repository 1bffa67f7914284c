// Type casts T(x), Ord(x) and Chr(x).
//
// A cast of a constant folds (integers, Char) or is a Type mismatch found
// when the enclosing expression ends. A cast of anything else is "pending":
// the value keeps its own type until it lands somewhere. Where it lands
// directly (an assignment, an argument, an index, a for bound) it converts
// from its own type to the destination's, as if the cast were not there;
// as an operand (of an operator, a comparison, a case selector, an array
// item) it first becomes a value of the cast type.
#include "compiler_impl.h"

namespace pscript {

namespace {

bool isEnumLike(const Type* t) { return t->kind == TK::Enum || t->kind == TK::Boolean; }
bool isCharLike(const Type* t) { return t->kind == TK::Char || t->kind == TK::WideChar; }

// The storage range of an ordinal type: what a value stored there can be.
struct OrdinalRange { int64_t lo, hi; };

OrdinalRange ordinalRange(const Type* t) {
  switch (t->kind) {
    case TK::Byte: case TK::Char: return {0, UINT8_MAX};
    case TK::ShortInt: return {INT8_MIN, INT8_MAX};
    case TK::Word: case TK::WideChar: return {0, UINT16_MAX};
    case TK::SmallInt: return {INT16_MIN, INT16_MAX};
    case TK::Integer: return {INT32_MIN, INT32_MAX};
    case TK::Cardinal: return {0, UINT32_MAX};
    case TK::Boolean: return {0, t->boolBytes == 2 ? UINT16_MAX : t->boolBytes == 4 ? UINT32_MAX : UINT8_MAX};
    case TK::Enum: return {0, t->high <= UINT8_MAX ? UINT8_MAX : t->high <= UINT16_MAX ? UINT16_MAX : UINT32_MAX};
    default: return {INT64_MIN, INT64_MAX};
  }
}

}  // namespace

// Which casts compile, by the reference's rules (classes are handled apart).
bool Parser::castCompatible(const Type* to, const Type* from) const {
  if (to->kind == TK::Variant || from->kind == TK::Variant) return true;
  if (isInteger(to) && isInteger(from)) return true;
  if (to->kind == TK::Real) return isNumeric(from);
  if (to->kind == TK::String) return isStringLike(from);
  if (to->kind == TK::WideString) return isStringLike(from);
  if (isCharLike(to)) return isCharLike(from);
  if (to->kind == TK::Set) return from->kind == TK::Set;
  if (isEnumLike(to)) return isEnumLike(from) || isInteger(from);
  if (isInteger(to)) return isEnumLike(from);
  if (to->kind == TK::Record) return sameType(to, from);
  if (isArray(to) && isArray(from)) return sameType(to->elem, from->elem);
  if (to->kind == TK::ProcPtr) return to == from;
  return false;
}

// A constant's cast: integers wrap, Char stays; anything else does not fold.
bool Parser::foldCast(Type* to, const Expr& e, Expr& out) {
  if (isInteger(to) && isInteger(e.type)) {
    out = literalConst(to, Value::integer(wrapTo(to, e.cval.rawInt())));
    return true;
  }
  if (to->kind == TK::Char && (e.type->kind == TK::Char || isInteger(e.type))) {
    out = literalConst(tChar, Value::integer(static_cast<uint8_t>(e.cval.rawInt())));
    return true;
  }
  deferFoldMismatch();
  out = literalConst(to, Value::integer(0));
  return false;
}

Expr Parser::pendingCast(const Expr& e, Type* to) {
  Expr r = settleCast(e);  // an inner cast becomes a value of its own type first
  if (r.raw) r = convert(r, r.type, tok_);
  Type* own = r.type;
  r.type = to;
  r.raw = true;
  r.relabeled = own;
  return r;
}

Expr Parser::typeCast(Type* t, const Token& at) {
  expect(Tok::LParen, "");
  Expr e = expression();
  if (tok_.kind != Tok::RParen) expect(Tok::RParen, "");
  if (t->kind == TK::Class && (e.type->kind == TK::Class || e.type->kind == TK::Nil)) {
    next();  // unchecked, as in the reference: a member of the wrong class fails when called
    Expr r = e.k == Expr::K::Const ? toTemp(e) : e;
    r.type = t;
    return r;
  }
  if (!castCompatible(t, e.type)) error("Type mismatch");
  next();  // the closing parenthesis
  (void)at;
  if (e.k == Expr::K::Const) {
    Expr r;
    foldCast(t, e, r);
    return r;
  }
  if (isCharLike(t)) return settleCast(pendingCast(e, t));  // a character cast always goes through its own type
  return pendingCast(e, t);
}

Expr Parser::ordCast(const Token& at) {
  (void)at;
  expect(Tok::LParen, "");
  nestedExpr_ = true;
  Expr e = expression();
  if (tok_.kind != Tok::RParen) expect(Tok::RParen, "");
  if (!isOrdinal(e.type)) error("Type mismatch");
  next();
  if (e.k != Expr::K::Const) return pendingCast(e, tCardinal);
  if (isEnumLike(e.type)) {
    deferFoldMismatch();
    return literalConst(tCardinal, Value::integer(0));
  }
  return literalConst(tCardinal, Value::integer(wrapTo(tCardinal, e.cval.rawInt())));
}

Expr Parser::settleCast(const Expr& e) {
  if (!e.relabeled) return e;
  return castValue(castSource(e), e.type, tok_);
}

Expr Parser::castSource(const Expr& e) {
  Expr s = e;
  s.type = e.relabeled;
  s.relabeled = nullptr;
  s.raw = false;
  return s;
}

// A pending cast's value going into a place of type `to`: the reference
// engine's run-time assignment from the value's own type.
Expr Parser::castValue(const Expr& src, Type* to, const Token& at) {
  const Type* from = src.type;
  bool aggregateLike = [](const Type* t) {
    return t->kind == TK::Set || t->kind == TK::Record || t->kind == TK::StaticArray;
  }(from->kind == TK::Variant ? to : from);
  if ((to->kind == TK::Variant) != (from->kind == TK::Variant) && aggregateLike) return failedCast(to, false);
  if (from->kind == TK::Variant || to->kind == TK::Variant) return convert(src, to, at);
  if (isOrdinal(from) && isOrdinal(to)) {
    OrdinalRange rf = ordinalRange(from), rt = ordinalRange(to);
    Expr r = src;
    r.type = to;
    if (rf.lo >= rt.lo && rf.hi <= rt.hi) return r;
    return chainNarrow(toTemp(src), to, ordinalNarrowKind(to));
  }
  if (to->kind == TK::Real && isOrdinal(from)) {
    if (isCharLike(from)) return failedCast(to, true);
    Expr n = src;
    n.type = tInt64;
    return convert(n, to, at);
  }
  if (to->kind == TK::Set && from->kind == TK::Set && !sameType(to, from)) return failedCast(to, false);
  if (assignable(from, to)) return convert(src, to, at);
  return failedCast(to, true);
}

// What the reference compiles and then fails at: a type mismatch raised as
// a native exception (asException) or as the engine's own error.
Expr Parser::failedCast(Type* to, bool asException) {
  if (asException) emitRaise(ErrorKind::Exception, "Type Mismatch");
  else failAtRunTime(ErrorKind::TypeMismatch);
  int32_t t = temp();
  return withPatch(t, to, emit(Op::Clear, {t}));
}

}  // namespace pscript
