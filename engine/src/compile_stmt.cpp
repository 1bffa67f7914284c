// Statements: control flow, loops, case, try and the jumps out of them.
#include "compiler_impl.h"

#include "engine_limits.h"

namespace pscript {

void Parser::statementList(Tok end1, Tok end2) {
  for (;;) {
    if (tok_.kind != end1 && tok_.kind != end2) statement();
    if (tok_.kind == end1 || tok_.kind == end2) return;
    if (tok_.kind == Tok::Eof) error("Unexpected end of file");
    // After an assignment, a call or a statement closed by its own keyword
    // (end, until) the reference accepts the next statement without ';'.
    if (lastEndsItself_ && (tok_.kind == Tok::Ident || tok_.kind == Tok::Begin || tok_.kind == Tok::If || tok_.kind == Tok::While ||
        tok_.kind == Tok::For || tok_.kind == Tok::Repeat || tok_.kind == Tok::Case || tok_.kind == Tok::Try ||
        tok_.kind == Tok::Exit || tok_.kind == Tok::With))
      continue;
    expect(Tok::Semicolon, "");
  }
}

void Parser::statement() {
  if (++depth_ > kMaxExprDepth) error("Internal error (too deeply nested)");
  int32_t mark = cur->tempTop;
  Tok first = tok_.kind;
  if (LabelInfo* label = first == Tok::Ident ? findLabel(tok_.text) : nullptr) {
    placeLabel(*label);
    statement();  // "L: statement" is one statement
    --depth_;
    return;
  }
  int32_t jumpMark = cur->jumpSeq;
  switch (tok_.kind) {
    case Tok::Begin: next(); statementList(Tok::End); expect(Tok::End, ""); break;
    case Tok::If: ifStatement(); break;
    case Tok::While: whileStatement(); break;
    case Tok::Repeat: repeatStatement(); break;
    case Tok::For: forStatement(); break;
    case Tok::Case: caseStatement(); break;
    case Tok::Try: tryStatement(); break;
    case Tok::Exit: exitStatement(); break;
    case Tok::With: withStatement(); break;
    case Tok::Goto: gotoStatement(); break;
    case Tok::Ident: assignmentOrCall(); break;
    case Tok::Semicolon: case Tok::End: case Tok::Else: case Tok::Until: break;  // empty statement
    case Tok::Eof: error("Unexpected end of file");
    default: error("Syntax error");
  }
  if (deferred_) error("Type mismatch");
  bool closedToJumps = first == Tok::For || first == Tok::While || first == Tok::Repeat || first == Tok::Case || first == Tok::With;
  if (closedToJumps) checkJumps(jumpMark);
  lastEndsItself_ = first == Tok::Ident || first == Tok::Begin || first == Tok::Repeat || first == Tok::Case || first == Tok::Try;
  cur->tempTop = mark;
  --depth_;
}

void Parser::assignmentOrCall() {
  Token at = tok_;
  Designator d;
  if (at.text == "BREAK" || at.text == "CONTINUE") {  // a statement, even where a variable has the name
    next();
    breakContinue(at.text == "BREAK");
    return;
  }
  if (designatorFor(at, d)) {
    next();
    designatorSuffix(d);
    if (d.called && tok_.kind != Tok::Assign) return;  // a method call
    if (d.type->kind == TK::ProcPtr && tok_.kind == Tok::LParen) {
      callThrough(load(d), at);
      return;
    }
    if (tok_.kind == Tok::Eq) {  // "I = 5;" as a statement
      next();
      expression();
      error("Internal error (20)", "20");
    }
    if (tok_.kind != Tok::Assign) error("Assignment expected");
    next();
    if (tok_.kind == Tok::LBracket && d.type->kind == TK::DynArray) {
      Expr lit = arrayConstructor(d.type->elem);  // a := [1, 2, 3] fills a dynamic array
      lit.type = d.type;
      assignTo(d, lit, tok_);
      return;
    }
    Expr e = keptExpression();
    assignTo(d, e, tok_);
    return;
  }
  if (isIntrinsic(at.text)) {
    next();
    intrinsic(at.text, at, true);
    return;
  }
  if (ProcSym* p = findProc(at.text)) {
    next();
    Expr r = callRoutine(*p, at);
    if (r.type->kind == TK::Class && (tok_.kind == Tok::Dot || tok_.kind == Tok::LBracket)) objectStatement(r);
    return;
  }
  if (consts_.count(at.text)) {  // a constant as a statement: read as an expression
    expression();
    error("Internal error (20)", "20");
  }
  if (Type* t = namedType(at.text); t && t->kind == TK::Class) {
    next();
    if (tok_.kind == Tok::LParen) {  // TComponent(O).Name := ...
      objectStatement(typeCast(t, at));
      return;
    }
    expect(Tok::Dot, "");
    Token member = tok_;
    identifier();
    Expr r = constructorCall(t, member);  // TComponent.Create(Owner); the owner keeps it
    if (tok_.kind == Tok::Dot || tok_.kind == Tok::LBracket) objectStatement(r);
    return;
  }
  errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
}

// Emits a jump taken when cond has the given truth value; returns where its
// target is to be patched, or -1 when the condition is constant and no jump is needed.
void Parser::condJump(const Expr& cond, bool jumpIfTrue, int& patchAt) {
  if (cond.k == Expr::K::Const) {
    bool v = cond.cval.rawInt() != 0;
    patchAt = v == jumpIfTrue ? emit(Op::Jmp, {0}) + 1 : -1;
    return;
  }
  patchAt = emit(jumpIfTrue ? Op::JTrue : Op::JFalse, {operand(cond), 0}) + 2;
}

namespace {
bool isBooleanLike(const Type* t) { return t->kind == TK::Boolean || t->kind == TK::Variant; }
}  // namespace

void Parser::ifStatement() {
  next();
  Token at = tok_;
  Expr c = expression();
  if (!isBooleanLike(c.type)) errorAt(tok_, "Type mismatch");
  c = convert(c, tBool, at);
  expect(Tok::Then, "");
  int skip;
  condJump(c, false, skip);
  statement();
  if (tok_.kind == Tok::Else) {
    next();
    int over = emit(Op::Jmp, {0}) + 1;
    if (skip >= 0) patchJump(skip, here());
    statement();
    patchJump(over, here());
  } else if (skip >= 0) {
    patchJump(skip, here());
  }
}

void Parser::whileStatement() {
  next();
  int top = here();
  Token at = tok_;
  Expr c = expression();
  if (!isBooleanLike(c.type)) errorAt(tok_, "Type mismatch");
  c = convert(c, tBool, at);
  expect(Tok::Do, "");
  int exit;
  condJump(c, false, exit);
  cur->loops.push_back({});
  cur->loops.back().continueTarget = top;
  statement();
  emit(Op::Jmp, {top});
  LoopLabels l = std::move(cur->loops.back());
  cur->loops.pop_back();
  if (exit >= 0) patchJump(exit, here());
  for (int b : l.breakJumps) patchJump(b, here());
  for (int c2 : l.continueJumps) patchJump(c2, top);
}

void Parser::repeatStatement() {
  next();
  int top = here();
  cur->loops.push_back({});
  statementList(Tok::Until);
  expect(Tok::Until, "");
  int condAt = here();
  Token at = tok_;
  Expr c = expression();
  if (!isBooleanLike(c.type)) errorAt(tok_, "Type mismatch");
  c = convert(c, tBool, at);
  if (c.k == Expr::K::Const) {
    if (!c.cval.rawInt()) emit(Op::Jmp, {top});
  } else {
    emit(Op::JFalse, {operand(c), top});
  }
  LoopLabels l = std::move(cur->loops.back());
  cur->loops.pop_back();
  for (int b : l.breakJumps) patchJump(b, here());
  for (int c2 : l.continueJumps) patchJump(c2, condAt);
}

void Parser::forStatement() {
  next();
  Token vt = tok_;
  Designator d;
  if (tok_.kind != Tok::Ident || !designatorFor(tok_, d)) {
    if (tok_.kind == Tok::Ident) errorAt(vt, "Unknown identifier '" + vt.spelled + "'", vt.spelled);
    error("Identifier expected");
  }
  next();
  if (!d.steps.empty() || d.baseIsRef || !(isInteger(d.type) || d.type->kind == TK::Enum)) errorAt(tok_, "Type mismatch");
  expect(Tok::Assign, "");
  Token st = tok_;
  assignTo(d, keptExpression(), tok_);
  bool down = tok_.kind == Tok::Downto;
  if (!down && tok_.kind != Tok::To) error("'TO' expected");
  next();
  int top = here();
  int32_t mark = cur->tempTop;
  Token et = tok_;
  Expr end = keptExpression();  // evaluated again before every iteration
  Expr endConv = isInteger(d.type) ? convert(end, d.type, et) : end;
  if (!isInteger(d.type) && end.type != d.type) errorAt(et, "Type mismatch");
  int32_t flag = temp();
  emit(down ? Op::Lt : Op::Gt, {flag, d.slot, operand(endConv)});
  int exit = emit(Op::JTrue, {flag, 0}) + 2;
  cur->tempTop = mark;
  expect(Tok::Do, "");
  cur->loops.push_back({});
  statement();
  int step = here();
  Expr var;
  var.k = Expr::K::Slot;
  var.slot = d.slot;
  var.type = isInteger(d.type) ? d.type : tInt64;
  Expr one = literalConst(var.type, Value::integer(1));
  storeInto(d.slot, intOp(down ? Op::Sub : Op::Add, var, one, var.type), var.type, st);
  emit(Op::Jmp, {top});
  LoopLabels l = std::move(cur->loops.back());
  cur->loops.pop_back();
  patchJump(exit, here());
  for (int b : l.breakJumps) patchJump(b, here());
  for (int c : l.continueJumps) patchJump(c, step);
}

// A Char or string label on a numeric selector, or a number on a string
// selector. Ordinals are compared across Char and integers for a Char
// selector's single labels and an integer selector's ranges only.
static bool caseLabelFits(const Type* selector, const Type* label, bool range) {
  if (selector->kind == TK::Variant || label->kind == TK::Variant) return true;
  if (selector->kind == TK::Char && isInteger(label)) return !range;
  if (isInteger(selector) && label->kind == TK::Char) return range;
  return isStringLike(selector) == isStringLike(label);
}

void Parser::caseStatement() {
  next();
  Token at = tok_;
  Expr sel = expression();
  bool isStr = sel.type->kind == TK::String || sel.type->kind == TK::WideString;
  if (!isOrdinal(sel.type) && !isStr && sel.type->kind != TK::Real && sel.type->kind != TK::Variant) errorAt(at, "Type mismatch");
  if (sel.k == Expr::K::Const) sel = toTemp(sel);
  int32_t keep = cur->tempTop;
  expect(Tok::Of, "");
  std::vector<int> toEnd;
  while (tok_.kind != Tok::End && tok_.kind != Tok::Else) {
    std::vector<int> toBody;
    do {
      Token lt = tok_;
      Expr lo = constExpression();
      if (accept(Tok::DotDot)) {
        Expr hi = constExpression();
        if (!caseLabelFits(sel.type, lo.type, true) || !caseLabelFits(sel.type, hi.type, true)) {
          emitRaise(ErrorKind::Exception, "Type Mismatch");
          cur->tempTop = keep;
          continue;
        }
        if (isInteger(sel.type) && lo.type->kind == TK::Char) lo.type = tInt;
        if (isInteger(sel.type) && hi.type->kind == TK::Char) hi.type = tInt;
        Expr ge = compare(Tok::Ge, sel, lo, lt);
        int skip = emit(Op::JFalse, {operand(ge), 0}) + 2;
        Expr le = compare(Tok::Le, sel, hi, lt);
        toBody.push_back(emit(Op::JTrue, {operand(le), 0}) + 2);
        patchJump(skip, here());
      } else if (!caseLabelFits(sel.type, lo.type, false)) {
        emitRaise(ErrorKind::Exception, "Type Mismatch");  // as the reference: when the label is tested
      } else {
        Expr s = sel;
        if (s.type->kind == TK::Char && isInteger(lo.type)) s.type = tInt;  // its ordinal
        Expr eq = compare(Tok::Eq, s, lo, lt);
        toBody.push_back(emit(Op::JTrue, {operand(eq), 0}) + 2);
      }
      cur->tempTop = keep;
    } while (accept(Tok::Comma));
    expect(Tok::Colon, "");
    int next = emit(Op::Jmp, {0}) + 1;
    for (int b : toBody) patchJump(b, here());
    statement();
    toEnd.push_back(emit(Op::Jmp, {0}) + 1);
    patchJump(next, here());
    if (!accept(Tok::Semicolon)) break;
  }
  if (accept(Tok::Else)) {
    statement();  // one statement only; a second one needs begin/end
    accept(Tok::Semicolon);
  }
  expect(Tok::End, "");
  for (int e : toEnd) patchJump(e, here());
}

void Parser::tryStatement() {
  next();
  int start = here();
  int32_t jumpMark = cur->jumpSeq;
  statementList(Tok::Except, Tok::Finally);
  checkJumps(jumpMark);
  if (tok_.kind == Tok::Finally) {
    next();
    int end = here();
    int handler = here();
    cur->desc->handlers.push_back({start, end, handler, Handler::Finally});
    jumpMark = cur->jumpSeq;
    statementList(Tok::End, Tok::Except);
    checkJumps(jumpMark);
    emit(Op::EndFinally, {handler});
    if (tok_.kind != Tok::Except) { expect(Tok::End, ""); return; }
  }
  if (tok_.kind != Tok::Except) error("'END' expected");
  next();
  int end = here();
  int over = emit(Op::Jmp, {0}) + 1;
  cur->desc->handlers.push_back({start, end, here(), Handler::Except});
  jumpMark = cur->jumpSeq;
  statementList(Tok::End);
  checkJumps(jumpMark);
  emit(Op::EndExcept, {});
  expect(Tok::End, "");
  patchJump(over, here());
}

void Parser::exitStatement() {
  next();
  if (accept(Tok::LParen)) {  // Exit(value): set Result, then leave
    if (!cur->sym || !cur->sym->sig.result) error("Type mismatch");
    Expr e = expression();
    expect(Tok::RParen, "");
    Designator d;
    d.slot = 0;
    d.type = cur->sym->sig.result;
    cur->resultUsed = true;
    assignTo(d, e, tok_);
  }
  cur->exitJumps.push_back(emit(Op::Leave, {0}) + 1);
}

void Parser::withStatement() {
  next();
  size_t scopes = cur->withScopes.size();
  std::vector<Designator> opened;  // names in the list do not see each other's fields
  do {
    Token at = tok_;
    Designator d;
    if (tok_.kind != Tok::Ident) error("Identifier expected");
    if (designatorFor(tok_, d)) {
      next();
      designatorSuffix(d);
    } else if (!withObjectExpression(d)) {
      errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
    }
    settleProperty(d);
    if ((d.type->kind != TK::Record && d.type->kind != TK::Class) || d.strChar) errorAt(at, "Class type expected");
    opened.push_back(d);
  } while (accept(Tok::Comma));
  cur->withScopes.insert(cur->withScopes.end(), opened.begin(), opened.end());
  expect(Tok::Do, "");
  statement();
  cur->withScopes.resize(scopes);
}

void Parser::breakContinue(bool isBreak) {
  if (cur->loops.empty()) errorAt(prev_, "Not in a loop");
  int at = emit(Op::Leave, {0}) + 1;
  if (isBreak) cur->loops.back().breakJumps.push_back(at);
  else cur->loops.back().continueJumps.push_back(at);
}

}  // namespace pscript
