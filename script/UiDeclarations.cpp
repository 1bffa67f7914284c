#include "UiDeclarations.h"

#include <pscript/pscript.h>

#include <cctype>
#include <cstring>

namespace tarno::ui {

void Declare(pscript::Compiler& compiler, std::span<const Step> steps) {
  const char* current = nullptr;
  for (const Step& step : steps) {
    switch (step.kind) {
      case Step::Kind::Type:
      case Step::Kind::Constant: compiler.addDeclarations(step.text); break;
      case Step::Kind::Class:
        // An ancestor the libraries never declare gives a root class, as the
        // reference's lookup of it yields none.
        if (!compiler.addClass(step.text, step.ancestor)) compiler.addClass(step.text, "");
        current = step.text;
        break;
      case Step::Kind::With: current = step.text; break;
      case Step::Kind::Member:
        if (current) compiler.addClassMember(current, step.text);
        break;
      case Step::Kind::Function: compiler.addFunction(step.text); break;
    }
  }
}

namespace {
const char* const kMemberWords[] = {"property ", "procedure ", "function ", "constructor "};
}  // namespace

bool IsPropertyDeclaration(const char* declaration) { return std::strncmp(declaration, "property ", 9) == 0; }

std::string MemberName(const char* declaration) {
  for (const char* word : kMemberWords) {
    const size_t length = std::strlen(word);
    if (std::strncmp(declaration, word, length) != 0) continue;
    std::string name;
    for (const char* p = declaration + length; std::isalnum(static_cast<unsigned char>(*p)) || *p == '_'; ++p) name += *p;
    return name;
  }
  return {};
}

}  // namespace tarno::ui
