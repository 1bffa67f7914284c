// "external 'symbol@library [cc] [delayload]'": the routine becomes a native
// function that the host binds when the module loads (or at its first call).
#include "compiler_impl.h"

#include "external.h"
#include "text.h"

namespace pscript {

namespace {

ExternalDecl::Kind externalKind(const Type* t) {
  using K = ExternalDecl::Kind;
  switch (t->kind) {
    case TK::ShortInt: return K::Int8;
    case TK::Byte: return K::UInt8;
    case TK::SmallInt: return K::Int16;
    case TK::Word: return K::UInt16;
    case TK::Integer: return K::Int32;
    case TK::Cardinal: return K::UInt32;
    case TK::Int64: return K::Int64;
    case TK::Boolean: return K::Boolean;
    case TK::Char: return K::Char;
    case TK::WideChar: return K::WideChar;
    case TK::Enum: return K::UInt8;
    case TK::String: return K::String;
    case TK::Real:
      return t->realVt == varSingle ? K::Single : t->realVt == varCurrency ? K::Other : K::Double;
    default: return K::Other;
  }
}

}  // namespace

void Parser::externalDeclaration(ProcSym& sym) {
  if (!externalsAllowed_) error("Syntax error");
  next();
  if (tok_.kind != Tok::String && tok_.kind != Tok::Char) error("String Expected");
  std::string text = tok_.text;
  ExternalDecl decl;
  next();
  expect(Tok::Semicolon, "");
  // Reported where the declaration ends, followed by an empty second message.
  std::string why = parseExternalText(text, decl);
  if (!why.empty()) {
    msgs_.push_back({Message::Kind::Error, why, why, {}, tok_.row, tok_.col, tok_.pos});
    error("", "");
  }
  for (const Param& p : sym.sig.params) decl.params.push_back({externalKind(p.type), p.byRef()});
  decl.result = sym.sig.result ? externalKind(sym.sig.result) : ExternalDecl::Kind::None;
  // No script body: the procedure slot routine() made for it goes again.
  module.procs.pop_back();
  sym.index = -1;
  sym.native = true;
  sym.bodyDone = true;
  sym.nativeName = upperAscii(sym.sig.name);
  // Registered now, so that loading binds it even when nothing calls it.
  nativeIndex_[sym.nativeName] = static_cast<int32_t>(module.natives.size());
  module.natives.push_back({sym.nativeName, static_cast<int32_t>(sym.sig.params.size()), text,
                            encodeExternalSignature(decl)});
}

}  // namespace pscript
