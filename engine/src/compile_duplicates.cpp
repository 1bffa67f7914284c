// Which names a declaration may not take, by the reference's rules: each
// kind of declaration looks at its own set of earlier names.
#include "compiler_impl.h"

#include "text.h"

namespace pscript {

// A routine of the script, or a host function the script has called already
// (or one that replaced a built-in of its name): the reference's table.
bool Parser::routineNameTaken(const std::string& upper) {
  ProcSym* p = findProc(upper);
  return p && !(p->native && !p->clash && !p->used);
}

[[noreturn]] void Parser::duplicate(const Token& at, const std::string& name) {
  errorAt(at, "Duplicate identifier '" + name + "'", name);
}

// A variable: not Result, no routine, no constant, no other variable of the
// same scope (a local may hide a global).
void Parser::checkVariableName(const Token& at, bool global) {
  const std::string& n = at.text;
  bool taken = n == "RESULT" || routineNameTaken(n) || consts_.count(n) ||
               (global ? globals_.count(n) != 0 : cur->locals.count(n) != 0);
  if (taken) duplicate(at, at.spelled);
}

// A type: no other type (the standard ones included), routine or global variable.
void Parser::checkTypeName(const Token& at) {
  const std::string& n = at.text;
  if (n == "RESULT" || types_.count(n) || routineNameTaken(n) || globals_.count(n)) duplicate(at, at.spelled);
}

// A constant: no variable, routine or other constant (a type may share it).
void Parser::checkConstName(const Token& at) {
  const std::string& n = at.text;
  if (n == "RESULT" || globals_.count(n) || routineNameTaken(n) || consts_.count(n)) duplicate(at, at.spelled);
}

// A label: not Result, not the routine's name, no global variable, constant
// or routine, no parameter, local or other label.
void Parser::checkLabelName(const Token& at) {
  const std::string& n = at.text;
  bool taken = n == "RESULT" || (cur->sym && upperAscii(cur->sym->sig.name) == n) || globals_.count(n) ||
               consts_.count(n) || routineNameTaken(n) || cur->locals.count(n) || findLabel(n);
  if (taken) duplicate(at, at.spelled);
}

// A parameter: not Result, not the routine's own name, no earlier
// parameter. A later name of one group ("A, B: T") is compared as spelled
// and reported without a name, as the reference does.
void Parser::checkParameterName(const Token& at, const std::string& owner, const std::vector<Param>& earlier,
                                const std::vector<Token>& group) {
  const std::string& n = at.text;
  bool first = group.empty();
  bool taken = n == "RESULT" || n == owner;
  for (const Param& p : earlier) taken = taken || upperAscii(p.name) == n;
  for (const Token& g : group) taken = taken || g.spelled == at.spelled;
  if (taken) duplicate(at, first ? at.spelled : std::string());
}

}  // namespace pscript
