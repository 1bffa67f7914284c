// The Compiler facade: runs a Parser over the text and keeps the output.
#include "compiler_impl.h"

namespace pscript {

struct Compiler::Impl {
  std::vector<Message> messages;
  std::string output;
  Parser* active = nullptr;
};

Compiler::Compiler() : impl_(std::make_unique<Impl>()) {}
Compiler::~Compiler() = default;

bool Compiler::addFunction(std::string_view declaration) {
  if (!impl_->active) return false;  // declarations belong to a compilation (onUses)
  return impl_->active->declareFunction(declaration, false);
}

void Compiler::allowExternalDeclarations() {
  if (impl_->active) impl_->active->externalsAllowed_ = true;
}

bool Compiler::addDeclarations(std::string_view text) {
  if (!impl_->active) return false;
  return impl_->active->declareText(text);
}

bool Compiler::addClass(std::string_view name, std::string_view ancestor, bool isAbstract) {
  if (!impl_->active) return false;
  return impl_->active->declareClass(name, ancestor, isAbstract);
}

bool Compiler::addClassMember(std::string_view className, std::string_view declaration) {
  if (!impl_->active) return false;
  return impl_->active->declareClassMember(className, declaration);
}

std::string Compiler::describeClasses() const { return impl_->active ? impl_->active->describeClasses() : std::string(); }

const std::vector<Message>& Compiler::messages() const { return impl_->messages; }
std::vector<Message>& Compiler::messages() { return impl_->messages; }
const std::string& Compiler::output() const { return impl_->output; }

bool Compiler::compile(std::string_view source) {
  impl_->messages.clear();
  impl_->output.clear();
  Parser p(impl_->messages, source);
  p.allowNoBegin = allowNoBegin;
  p.allowNoEnd = allowNoEnd;
  p.defineStandardTypes();
  impl_->active = &p;
  bool ok = true;
  try {
    p.compileProgram(*this);
  } catch (const CompileStop&) {
    ok = false;
  } catch (const std::bad_alloc&) {
    impl_->messages.push_back({Message::Kind::Error, "Out of memory", {}, {}, 0, 0, 0});
    ok = false;
  }
  impl_->active = nullptr;
  if (!ok) return false;
  std::string why;
  if (!validateModule(p.module, why)) {
    impl_->messages.push_back({Message::Kind::Error, "Internal error (" + why + ")", why, {}, 1, 1, 0});
    return false;
  }
  impl_->output = serializeModule(p.module);
  return true;
}

}  // namespace pscript
