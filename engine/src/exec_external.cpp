// Binding external routines through the host's binder: at load time, or
// with delayload at the first call.
#include "external.h"
#include "vm.h"

namespace pscript {

namespace {

// The native function behind every external routine; its user pointer is the slot.
void callExternal(NativeCall& c) {
  auto* slot = static_cast<ExternalSlot*>(c.user());
  if (!slot->call) {
    std::string error;
    if (slot->binder && *slot->binder) slot->call = (*slot->binder)(slot->decl, error);
    if (!slot->call) throw ScriptError(ErrorKind::CouldNotCallProc, "");
  }
  slot->call(c);
}

}  // namespace

bool Exec::Impl::addExternal(const NativeDesc& n) {
  ExternalSlot& slot = externals.emplace_back();
  slot.binder = &externalBinder;
  // The loader has checked both texts.
  parseExternalText(n.external, slot.decl);
  decodeExternalSignature(n.signature, slot.decl);
  if (!slot.decl.delayLoad) {
    std::string error;
    if (externalBinder) slot.call = externalBinder(slot.decl, error);
    if (!slot.call) {
      loadError = "Cannot Import dll:" + slot.decl.library;
      return false;
    }
  }
  natives.push_back(callExternal);
  nativeUser.push_back(&slot);
  return true;
}

void Exec::setExternalBinder(ExternalBinder binder) { impl_->externalBinder = std::move(binder); }

void Exec::unbindExternals(std::string_view library) {
  for (ExternalSlot& slot : impl_->externals)
    if (slot.decl.library == library) slot.call = nullptr;
}

}  // namespace pscript
