// Routines the compiler handles itself: their typing depends on the
// argument (Length of a string or an array, Inc of any integer, ...).
#include "compiler_impl.h"

#include <unordered_set>

namespace pscript {

namespace {
const std::unordered_set<std::string>& intrinsicNames() {
  static const std::unordered_set<std::string> names = {
      "LENGTH", "SETLENGTH", "HIGH", "LOW", "INC", "DEC", "SUCC", "PRED", "ASSIGNED", "SIZEOF",
      "GETARRAYLENGTH", "SETARRAYLENGTH", "INCLUDE", "EXCLUDE"};
  return names;
}
}  // namespace

bool Parser::isIntrinsic(const std::string& upper) const { return intrinsicNames().count(upper) != 0; }

Expr Parser::intrinsic(const std::string& name, const Token& at, bool asStatement) {
  bool isProc = name == "SETLENGTH" || name == "INC" || name == "DEC" || name == "SETARRAYLENGTH" ||
                name == "INCLUDE" || name == "EXCLUDE";
  if (isProc != asStatement) errorAt(at, "Type mismatch");
  expect(Tok::LParen, "");
  if (isProc) {
    Designator d;
    Token vt = tok_;
    if (tok_.kind != Tok::Ident) error("Variable Expected");
    if (!designatorFor(tok_, d)) {
      if (consts_.count(tok_.text)) { next(); error("Variable Expected"); }  // where the constant ends
      errorAt(tok_, "Unknown identifier '" + tok_.spelled + "'", tok_.spelled);
    }
    next();
    designatorSuffix(d);
    if (name == "INCLUDE" || name == "EXCLUDE") {
      expect(Tok::Comma, "");
      Expr e = expression();
      expect(Tok::RParen, "");
      if (d.type->kind != TK::Set || !isOrdinal(e.type)) errorAt(vt, "Type mismatch");
      Expr set = toTemp(load(d));
      emit(name == "INCLUDE" ? Op::SetAdd : Op::SetRemove, {set.slot, operand(e)});
      set.patch[0] = -1;
      assignTo(d, set, at);
      return literalConst(tVoid, Value());
    }
    if (name == "INC" || name == "DEC") {
      if (accept(Tok::Comma)) {  // the count is checked after the whole call
        expression();
        expect(Tok::RParen, "");
        error("Invalid number of parameters");
      }
      expect(Tok::RParen, "");
      if (!isInteger(d.type) && d.type->kind != TK::Char && d.type->kind != TK::Enum) errorAt(vt, "Type mismatch");
      Expr current = load(d);
      Expr one = literalConst(d.type, Value::integer(1));
      Type* asInt = d.type->kind == TK::Char || d.type->kind == TK::Enum ? tByte : d.type;  // enums are stored as bytes
      Expr x = current;
      x.type = asInt;
      one.type = asInt;
      Expr r = intOp(name == "INC" ? Op::Add : Op::Sub, x, one, asInt);
      r.type = d.type;
      assignTo(d, r, at);
      return literalConst(tVoid, Value());
    }
    expect(Tok::Comma, "");
    Token lt = tok_;
    Expr len = convert(expression(), tInt64, lt);
    expect(Tok::RParen, "");
    int32_t lenSlot = operand(len);
    if (d.type->kind == TK::String) emit(Op::StrSetLen, {refOf(d), lenSlot});
    else if (d.type->kind == TK::WideString) emit(Op::WStrSetLen, {refOf(d), lenSlot});
    else if (d.type->kind == TK::DynArray) emit(Op::SetLen, {refOf(d), lenSlot, d.type->runtimeType});
    else errorAt(vt, "Type mismatch");
    return literalConst(tVoid, Value());
  }
  Token argAt = tok_;
  if (name == "SIZEOF") {
    Expr e = expression();
    expect(Tok::RParen, "");
    return literalConst(tInt, Value::integer(storageSize(e.type)));
  }
  Expr e = expression();
  Token close = tok_;
  expect(Tok::RParen, "");
  const Type* t = e.type;
  if (name == "LENGTH" || name == "GETARRAYLENGTH") {
    if (t->kind == TK::Char) return literalConst(tInt, Value::integer(1));
    if (t->kind == TK::String && e.k == Expr::K::Const) return literalConst(tInt, Value::integer(static_cast<int64_t>(e.cval.rawString().size())));
    if (t->kind == TK::StaticArray) return literalConst(tInt, Value::integer(t->high - t->low + 1));
    int32_t r = temp();
    if (t->kind == TK::String) return withPatch(r, tInt, emit(Op::StrLen, {r, operand(e)}));
    if (t->kind == TK::WideString) return withPatch(r, tInt, emit(Op::WStrLen, {r, operand(e)}));
    if (name == "GETARRAYLENGTH" && t->kind == TK::Variant) emitRaise(ErrorKind::CouldNotCallProc, "");
    if (isArray(t) || t->kind == TK::Variant) return withPatch(r, tInt, emit(Op::ArrLen, {r, operand(e)}));
    errorAt(argAt, "Type mismatch");
  }
  if (name == "HIGH" || name == "LOW") {
    bool high = name == "HIGH";
    if (t->kind == TK::StaticArray) return literalConst(tInt64, Value::integer(high ? t->high : t->low));
    if (isOrdinal(t) && !isInteger(t)) return literalConst(e.type, Value::integer(high ? t->high : 0));
    int32_t r = temp();
    if (t->kind == TK::String) {
      if (!high) return literalConst(tInt64, Value::integer(1));
      return withPatch(r, tInt64, emit(Op::StrLen, {r, operand(e)}));
    }
    if (isArray(t)) return withPatch(r, tInt64, emit(high ? Op::ArrHigh : Op::ArrLow, {r, operand(e)}));
    errorAt(argAt, "Type mismatch");
  }
  if (name == "SUCC" || name == "PRED") {
    if (!isOrdinal(t) || t->kind == TK::Char || t->kind == TK::WideChar) errorAt(close, "Type mismatch");
    Expr x = e;
    Type* asInt = isInteger(t) ? e.type : tByte;
    x.type = asInt;
    Expr one = literalConst(asInt, Value::integer(1));
    Expr r = binary(name == "SUCC" ? Tok::Plus : Tok::Minus, x, one, at);
    r.type = e.type;
    return r;
  }
  if (name == "ASSIGNED") {
    if (t->kind == TK::Interface || t->kind == TK::Class) return compare(Tok::Ne, e, literalConst(tNil, Value()), at);
    if (t->kind != TK::String) errorAt(close, "Type mismatch");
    Expr empty = literalConst(tStr, Value::string(""));
    return compare(Tok::Ne, e, empty, at);
  }
  errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
}

}  // namespace pscript
