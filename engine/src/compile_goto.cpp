// goto and label: declaration, placement, the jump rules of structured
// statements, and the routine-end checks.
#include "compiler_impl.h"

namespace pscript {

void Parser::labelSection() {
  next();
  for (;;) {
    if (tok_.kind != Tok::Ident) error("Identifier expected");
    checkLabelName(tok_);
    std::string upper = identifier();
    cur->labels.push_back({upper});
    if (accept(Tok::Semicolon)) return;
    expect(Tok::Comma, "");
  }
}

LabelInfo* Parser::findLabel(const std::string& upper) {
  if (!cur) return nullptr;
  for (auto& l : cur->labels)
    if (l.name == upper) return &l;
  return nullptr;
}

// "Name:" before a statement. Placing a label again moves it.
void Parser::placeLabel(LabelInfo& label) {
  next();
  expect(Tok::Colon, "");
  label.seq = cur->jumpSeq++;
  label.codePos = here();
}

void Parser::gotoStatement() {
  next();
  Token at = tok_;
  if (tok_.kind != Tok::Ident) error("Identifier expected");
  LabelInfo* label = findLabel(at.text);
  if (!label) errorAt(at, "Unknown identifier '" + at.spelled + "'", at.spelled);
  next();
  // Leave, not Jmp: finally parts between here and the label must run.
  int patchAt = emit(Op::Leave, {0}) + 1;
  cur->gotos.push_back({static_cast<int32_t>(label - cur->labels.data()), cur->jumpSeq++, patchAt});
}

// A structured statement (loop, case, with, a part of try) is closed to
// jumps: a goto inside it must stay inside, one from before must not enter.
void Parser::checkJumps(int32_t fromSeq) {
  if (!jumpsStayOutside(fromSeq, cur->jumpSeq)) error("Invalid jump");
  if (fromSeq < cur->jumpSeq) cur->closedBlocks.push_back({fromSeq, cur->jumpSeq});
}

bool Parser::jumpsStayOutside(int32_t fromSeq, int32_t toSeq) const {
  auto inside = [&](int32_t seq) { return seq >= fromSeq && seq < toSeq; };
  for (const GotoInfo& g : cur->gotos) {
    const LabelInfo& target = cur->labels[static_cast<size_t>(g.label)];
    bool targetInside = target.seq >= 0 && inside(target.seq);
    if (inside(g.seq) != targetInside) return false;
  }
  return true;
}

void Parser::finishLabels() {
  for (const LabelInfo& l : cur->labels)
    if (l.seq < 0) error("Label '" + l.name + "' not set", l.name);
  // A goto written after a loop may still aim into it; the reference lets
  // that through and then runs with a broken loop state.
  for (auto [from, to] : cur->closedBlocks)
    if (!jumpsStayOutside(from, to)) error("Invalid jump");
  for (const GotoInfo& g : cur->gotos) patchJump(g.patchAt, cur->labels[static_cast<size_t>(g.label)].codePos);
}

}  // namespace pscript
