// Interfaces as a script may declare them: a parent, a mandatory GUID and
// method headings. Nothing in a script can implement one, so a variable of
// an interface type only ever holds nil.
#include "compiler_impl.h"

#include <cctype>

namespace pscript {

namespace {

// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} with hexadecimal digits.
bool isGuidText(const std::string& s) {
  static constexpr char kPattern[] = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
  if (s.size() != sizeof kPattern - 1) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    bool hexWanted = kPattern[i] == 'X';
    if (hexWanted ? !std::isxdigit(static_cast<unsigned char>(s[i])) : s[i] != kPattern[i]) return false;
  }
  return true;
}

}  // namespace

void Parser::defineInterfaceRoot() {
  // Two unrelated roots: neither fits a variable of the other.
  types_["IUNKNOWN"] = newType(TK::Interface, "IUnknown");
  types_["IINTERFACE"] = newType(TK::Interface, "IInterface");
}

Type* Parser::interfaceType(const std::string& name) {
  next();
  expect(Tok::LParen, "");
  Token parentAt = tok_;
  std::string parentName = identifier();
  Type* parent = namedType(parentName);
  if (!parent) errorAt(parentAt, "Unknown type '" + parentName + "'", parentName);
  if (parent->kind != TK::Interface) errorAt(parentAt, "Type mismatch");
  expect(Tok::RParen, "");
  if (tok_.kind != Tok::LBracket) error("Opening square brackets ('[') expected");
  next();
  if (tok_.kind != Tok::String && tok_.kind != Tok::Char) error("String Expected");
  if (!isGuidText(tok_.text)) {
    std::string text = "\"" + tok_.text + "\" is not a valid GUID value";
    error(text, text);
  }
  next();
  expect(Tok::RBracket, "");
  int methods = 0;
  while (tok_.kind == Tok::Procedure || tok_.kind == Tok::Function) {
    interfaceMethod();
    ++methods;
  }
  if (tok_.kind != Tok::End || methods == 0) error("Invalid method", "Invalid method");
  next();
  Type* t = newType(TK::Interface, name);
  t->elem = parent;
  return t;
}

// A method heading: checked for its types, not callable from a script.
void Parser::interfaceMethod() {
  bool isFunction = tok_.kind == Tok::Function;
  next();
  identifier();
  parameterList();
  if (isFunction) {
    expect(Tok::Colon, "");
    typeSpec();
  }
  expect(Tok::Semicolon, "");
}

bool Parser::interfaceAssignable(const Type* from, const Type* to) const {
  if (from->kind == TK::Nil) return true;
  for (const Type* t = from; t && t->kind == TK::Interface; t = t->elem)
    if (t == to) return true;
  return false;
}

// Only = and <> between the same interface type or nil.
Expr Parser::compareInterfaces(Tok op, const Expr& a, const Expr& b) {
  bool fits = (a.type == b.type || a.type->kind == TK::Nil || b.type->kind == TK::Nil);
  if ((op != Tok::Eq && op != Tok::Ne) || !fits) errorAt(tok_, "Type mismatch");
  int32_t t = temp();
  return withPatch(t, tBool, emit(op == Tok::Eq ? Op::Eq : Op::Ne, {t, operand(a), operand(b)}));
}

// The reference compiles an interface into a Variant and fails when it runs.
Expr Parser::interfaceToVariant() {
  emitRaise(ErrorKind::TypeMismatch, "");
  int32_t t = temp();
  return withPatch(t, tVariant, emit(Op::Clear, {t}));
}

}  // namespace pscript
