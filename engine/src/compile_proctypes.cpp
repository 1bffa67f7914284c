// Procedural types: their declaration, @Routine values, comparison with nil
// and calls through a procedural value.
#include "compiler_impl.h"

namespace pscript {

// procedure(params) / function(params): T. "of object" is left for the
// caller's ';' check, which is where the reference rejects it.
Type* Parser::procType(const std::string& name) {
  bool isFunction = tok_.kind == Tok::Function;
  next();
  sigStore_.emplace_back();
  ProcSig& sig = sigStore_.back();
  sig.name = name;
  sig.params = parameterList();
  if (isFunction) {
    expect(Tok::Colon, "");
    sig.result = typeSpec();
  }
  Type* t = newType(TK::ProcPtr, name);
  t->sig = &sig;
  return t;
}

// @Routine: the routine's procedure number, typed by its signature.
Expr Parser::procAddress() {
  next();
  Token at = tok_;
  if (tok_.kind != Tok::Ident) error("Identifier expected");
  std::string upper = identifier();
  ProcSym* p = findProc(upper);
  if (!p || p->native || p->index <= 0) errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
  p->used = true;
  Type* t = newType(TK::ProcPtr, p->sig.name);
  t->sig = &p->sig;
  t->routineAddress = true;
  return literalConst(t, Value::integer(p->index));
}

bool Parser::isProcValue(const Type* t) const { return t->kind == TK::ProcPtr || t->kind == TK::Nil; }

// Only = and <> apply, between values of one declared type or with nil
// (the value 0: no procedure has that number). Another type of the same
// signature, or an @Routine, does not compare.
Expr Parser::compareProcValues(Tok op, const Expr& a, const Expr& b) {
  bool sigsDiffer = a.type->kind == TK::ProcPtr && b.type->kind == TK::ProcPtr && a.type != b.type;
  if ((op != Tok::Eq && op != Tok::Ne) || sigsDiffer || !isProcValue(a.type) || !isProcValue(b.type))
    errorAt(tok_, "Type mismatch");
  int32_t t = temp();
  return withPatch(t, tBool, emit(op == Tok::Eq ? Op::Eq : Op::Ne, {t, operand(a), operand(b)}));
}

// Calls the routine whose number fn holds; its arguments follow in brackets.
Expr Parser::callThrough(const Expr& fn, const Token& at) {
  ProcSym callee;
  callee.sig = *fn.type->sig;
  int32_t fnSlot = operand(fn);
  int32_t argBase = temp(1 + static_cast<int>(callee.sig.params.size()));
  callArguments(callee, argBase, at);
  emit(Op::CallPtr, {fnSlot, argBase});
  return callResult(argBase, callee.sig.result);
}

}  // namespace pscript
