// Operators with a Variant operand: which ones compile, and how a typed
// left operand reads a Variant on the right of a comparison.
#include "compiler_impl.h"

namespace pscript {

// The other operand's types an operator takes beside a Variant.
bool Parser::variantOperandFits(Tok op, const Type* other) const {
  if (other->kind == TK::Variant) return true;
  switch (op) {
    case Tok::Plus: return isNumeric(other) || isStringLike(other);
    case Tok::Minus: case Tok::Star: case Tok::Slash: case Tok::Div: return isNumeric(other);
    case Tok::And: case Tok::Or: case Tok::Xor: case Tok::Mod: case Tok::Shl: case Tok::Shr: return isInteger(other);
    default: return false;
  }
}

// A comparison of a typed left operand with a Variant: the Variant is read
// as the left operand's type reads a value (an unsigned ordinal as a
// Cardinal, a one-character text as its code; signed ones as a Longint; a
// text as a text) and the two compare as that type. An Integer on the left
// is the exception: it compares as a Variant. False: compare as Variants.
bool Parser::typedLeftComparesVariant(const Expr& a, const Expr& b, Expr& x, Expr& y, const Token& at) {
  const Type* ta = a.type;
  if (b.type->kind != TK::Variant || ta->kind == TK::Variant || ta->kind == TK::Integer) return false;
  if (isStringLike(ta)) {
    Type* text = ta->kind == TK::WideString || ta->kind == TK::WideChar ? tWStr : tStr;
    x = convert(a, text, at);
    y = convert(b, text, at);
    return true;
  }
  if (ta->kind == TK::Real || ta->kind == TK::Int64 || ta->kind == TK::ShortInt || ta->kind == TK::SmallInt) {
    x = a;
    y = convert(b, ta->kind == TK::Real ? tReal : ta->kind == TK::Int64 ? tInt64 : tInt, at);
    return true;
  }
  if (!isOrdinal(ta)) return false;
  x = a;
  x.type = tCardinal;  // same storage: compared as numbers
  int32_t t = temp();
  int from = emit(Op::FromVar, {t, operand(b), static_cast<int32_t>(ValueClass::SmallUnsigned)});
  y = withPatch(t, tCardinal, from, emit(Op::Narrow, {t, static_cast<int32_t>(IntKind::U32)}));
  return true;
}

}  // namespace pscript
