// Routines and the program as a whole.
#include "compiler_impl.h"

#include "text.h"

#include <algorithm>

namespace pscript {

namespace {

bool isHostSignature(const ProcSig& s) {
  return s.params.size() == 1 && s.params[0].mode == ParamMode::Var && s.params[0].type->kind == TK::Variant &&
         s.result && s.result->kind == TK::Boolean;
}

}  // namespace

void Parser::routine(bool isFunction) {
  Token keyword = tok_;
  std::string upper;
  ProcSig sig = routineHeading(isFunction, upper);
  expect(Tok::Semicolon, "");
  ProcSym* sym = findProc(upper);
  if (sym && !sym->native && sym->forward && !sym->bodyDone) {
    if (!sameSignature(sym->sig, sig)) error("Forward Parameter Mismatch");
    sym->sig = sig;  // the parameter names of the body count
  } else if (routineNameTaken(upper) || globals_.count(upper) || consts_.count(upper) || types_.count(upper) ||
             isIntrinsic(upper)) {
    errorAt(routineNameTok_, "Duplicate identifier '" + upper + "'", upper);
  } else {
    auto fresh = std::make_unique<ProcSym>();
    fresh->sig = sig;
    fresh->index = static_cast<int32_t>(module.procs.size());
    module.procs.emplace_back();
    ProcDesc& d = module.procs.back();
    d.name = upper;
    d.exported = true;
    d.hostSignature = isHostSignature(sig);
    d.paramCount = static_cast<int32_t>(sig.params.size());
    d.frameSize = 1 + d.paramCount;
    sym = fresh.get();
    sym->declared = keyword;
    procs_[upper] = std::move(fresh);
  }
  if (tok_.kind == Tok::Forward) {
    next();
    expect(Tok::Semicolon, "");
    sym->forward = true;
    return;
  }
  if (tok_.kind == Tok::External) {
    if (sym->forward) error("Syntax error");
    externalDeclaration(*sym);
    return;
  }
  routineBody(*sym, module.procs[static_cast<size_t>(sym->index)]);
}

void Parser::hintsForLocals(const ProcBuilder& b, const Token& nameAt) {
  std::vector<const LocalVar*> unused;
  for (const auto& [name, v] : b.locals)
    if (!v.used) unused.push_back(&v);
  std::sort(unused.begin(), unused.end(), [](const LocalVar* x, const LocalVar* y) { return x->pos < y->pos; });
  for (const LocalVar* v : unused) {
    std::string u = upperAscii(v->spelled);
    hint(v->row, v->col, v->pos, "Variable '" + u + "' never used", u);
  }
  if (b.sym->sig.result && !b.resultUsed) hint(nameAt.row, nameAt.col, nameAt.pos, "Variable 'Result' never used", "Result");
}

void Parser::routineBody(ProcSym& sym, ProcDesc& desc) {
  Token nameAt = routineNameTok_;
  ProcBuilder b;
  b.desc = &desc;
  b.sym = &sym;
  b.row = prev_.row;
  int32_t slot = 1;
  for (const Param& p : sym.sig.params) {
    LocalVar v;
    v.type = p.type;
    v.slot = slot++;
    v.byRef = p.byRef();
    v.isConst = p.mode == ParamMode::Const;
    v.used = true;
    v.spelled = p.name;
    b.locals[p.name] = v;
  }
  b.localsEnd = b.tempTop = slot;
  desc.frameSize = std::max(desc.frameSize, slot);
  cur = &b;
  if (sym.sig.result && isAggregate(sym.sig.result)) emit(Op::Init, {0, sym.sig.result->runtimeType});
  while (tok_.kind == Tok::Var || tok_.kind == Tok::Label) {
    if (tok_.kind == Tok::Var) varSection(false);
    else labelSection();
  }
  if (tok_.kind != Tok::Begin) error("'BEGIN' expected");
  next();
  statementList(Tok::End);
  expect(Tok::End, "");
  patchExits(b);
  emit(Op::Ret, {});
  expect(Tok::Semicolon, "");
  finishLabels();
  sym.bodyDone = true;
  hintsForLocals(b, nameAt);
  cur = nullptr;
}

void Parser::patchExits(const ProcBuilder& b) {
  const auto& handlers = b.desc->handlers;
  const bool finallyParts =
      std::any_of(handlers.begin(), handlers.end(), [](const Handler& h) { return h.kind == Handler::Finally; });
  for (int at : b.exitJumps) {
    if (!finallyParts) b.desc->code[static_cast<size_t>(at - 1)] = static_cast<int32_t>(Op::Jmp);
    patchJump(at, here());
  }
}

void Parser::compileProgram(Compiler& owner) {
  module.procs.emplace_back();
  module.procs[0].name = "!INIT";
  next();
  if (lex_.unterminatedComment() && tok_.kind == Tok::Eof) error("Unexpected end of file");
  if (!owner.onUses || !owner.onUses(owner, "SYSTEM")) throw CompileStop{};
  programHeader();
  if (tok_.kind == Tok::Uses) usesClause(owner);
  for (;;) {
    switch (tok_.kind) {
      case Tok::Const: constSection(); continue;
      case Tok::Type: typeSection(); continue;
      case Tok::Var: varSection(true); continue;
      case Tok::Procedure: routine(false); continue;
      case Tok::Function: routine(true); continue;
      case Tok::Eof:
        if (!allowNoBegin) error("'BEGIN' expected");
        break;
      case Tok::Begin: {
        // The main block: compiled for its errors, never run by the host.
        auto mainSym = std::make_unique<ProcSym>();
        mainSym->index = static_cast<int32_t>(module.procs.size());
        module.procs.emplace_back();
        module.procs.back().name = "!MAIN";
        ProcBuilder b;
        b.desc = &module.procs.back();
        b.sym = mainSym.get();
        cur = &b;
        next();
        statementList(Tok::End);
        expect(Tok::End, "");  // only the final period may be missing
        patchExits(b);
        emit(Op::Ret, {});
        cur = nullptr;
        if (tok_.kind == Tok::Eof && allowNoEnd) break;
        expect(Tok::Dot, "");
        break;
      }
      default:
        error("'BEGIN' expected");
    }
    break;
  }
  for (const auto& [name, p] : procs_)
    if (!p->native && p->forward && !p->bodyDone) errorAt(p->declared, "Unsatisfied Forward " + name, name);
  initProc_.desc = &module.procs[0];
  finishGlobalsInit();
  hintsForGlobals();
}

}  // namespace pscript
