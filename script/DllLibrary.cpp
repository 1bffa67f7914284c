#include "DllLibrary.h"

#include <dlfcn.h>
#include <ffi.h>

#include <array>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tarno {

namespace {

using pscript::ExternalDecl;
using pscript::NativeCall;
using pscript::Value;
using Kind = ExternalDecl::Kind;

constexpr size_t kMaxExternalParams = 32;  // arguments of one external call

// An open shared library; closed when the last routine bound to it goes.
class SharedLibrary {
 public:
  explicit SharedLibrary(void* handle) : handle_(handle) {}
  ~SharedLibrary() { dlclose(handle_); }
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  void* symbol(const std::string& name) const { return dlsym(handle_, name.c_str()); }

 private:
  void* handle_;
};

// Libraries by the name the script wrote; UnloadDll forgets one.
class OpenLibraries {
 public:
  std::shared_ptr<SharedLibrary> open(const std::string& name, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(name);
    if (it != open_.end()) return it->second;
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* why = dlerror();
      error = why ? why : "cannot open " + name;
      return nullptr;
    }
    auto lib = std::make_shared<SharedLibrary>(handle);
    open_[name] = lib;
    return lib;
  }
  void forget(const std::string& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    open_.erase(name);
  }

 private:
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<SharedLibrary>> open_;
};

OpenLibraries& openLibraries() {
  static OpenLibraries libraries;
  return libraries;
}

thread_local int lastCallError = 0;  // errno after the last external call

ffi_type* ffiType(Kind k) {
  switch (k) {
    case Kind::None: return &ffi_type_void;
    case Kind::Int8: return &ffi_type_sint8;
    case Kind::UInt8: case Kind::Boolean: case Kind::Char: return &ffi_type_uint8;
    case Kind::Int16: return &ffi_type_sint16;
    case Kind::UInt16: case Kind::WideChar: return &ffi_type_uint16;
    case Kind::Int32: return &ffi_type_sint32;
    case Kind::UInt32: return &ffi_type_uint32;
    case Kind::Int64: return &ffi_type_sint64;
    case Kind::Single: return &ffi_type_float;
    case Kind::Double: return &ffi_type_double;
    case Kind::String: return &ffi_type_pointer;
    case Kind::Other: return nullptr;
  }
  return nullptr;
}

// One argument's native storage.
union ArgSlot {
  int64_t i;
  float f;
  double d;
  const char* text;
};

// A bound external routine: the symbol, its call interface, its library.
class ForeignRoutine {
 public:
  static std::shared_ptr<ForeignRoutine> bind(const ExternalDecl& decl, std::string& error);
  void call(NativeCall& c) const;

 private:
  ExternalDecl decl_;
  std::shared_ptr<SharedLibrary> library_;
  void (*fn_)() = nullptr;
  std::vector<ffi_type*> argTypes_;
  ffi_cif cif_{};

  void readArgument(const Value& v, Kind k, ArgSlot& slot, std::string& text) const;
  void writeBack(Value& v, Kind k, const ArgSlot& slot) const;
  Value resultValue(const ArgSlot& raw) const;
};

std::shared_ptr<ForeignRoutine> ForeignRoutine::bind(const ExternalDecl& decl, std::string& error) {
  if (decl.params.size() > kMaxExternalParams) { error = "too many parameters"; return nullptr; }
  auto r = std::make_shared<ForeignRoutine>();
  r->decl_ = decl;
  for (const auto& p : decl.params) {
    ffi_type* t = ffiType(p.kind);
    if (!t || (p.byRef && p.kind == Kind::String)) { error = "unsupported parameter type"; return nullptr; }
    r->argTypes_.push_back(p.byRef ? &ffi_type_pointer : t);
  }
  ffi_type* resultType = ffiType(decl.result);
  if (!resultType) { error = "unsupported result type"; return nullptr; }
  if (decl.library.empty()) { error = "no library"; return nullptr; }  // dlopen("") is the program itself
  r->library_ = openLibraries().open(decl.library, error);
  if (!r->library_) return nullptr;
  void* sym = r->library_->symbol(decl.symbol);
  if (!sym) { error = "no symbol " + decl.symbol; return nullptr; }
  r->fn_ = reinterpret_cast<void (*)()>(sym);
  // Every calling convention keyword maps to the one x86-64 System V convention.
  if (ffi_prep_cif(&r->cif_, FFI_DEFAULT_ABI, static_cast<unsigned>(r->argTypes_.size()), resultType,
                   r->argTypes_.data()) != FFI_OK) {
    error = "cannot prepare the call";
    return nullptr;
  }
  return r;
}

void ForeignRoutine::readArgument(const Value& v, Kind k, ArgSlot& slot, std::string& text) const {
  if (k == Kind::String) {
    text = std::string(v.rawString());  // a NUL-terminated copy the callee may read
    slot.text = text.c_str();
  } else if (k == Kind::Single) {
    slot.f = static_cast<float>(v.rawReal());
  } else if (k == Kind::Double) {
    slot.d = v.rawReal();
  } else {
    slot.i = v.rawInt();
  }
}

int64_t narrowed(Kind k, int64_t v) {
  switch (k) {
    case Kind::Int8: return static_cast<int8_t>(v);
    case Kind::UInt8: case Kind::Char: return static_cast<uint8_t>(v);
    case Kind::Boolean: return static_cast<uint8_t>(v) != 0;
    case Kind::Int16: return static_cast<int16_t>(v);
    case Kind::UInt16: case Kind::WideChar: return static_cast<uint16_t>(v);
    case Kind::Int32: return static_cast<int32_t>(v);
    case Kind::UInt32: return static_cast<uint32_t>(v);
    default: return v;
  }
}

void ForeignRoutine::writeBack(Value& v, Kind k, const ArgSlot& slot) const {
  if (k == Kind::Single) v.setReal(slot.f);
  else if (k == Kind::Double) v.setReal(slot.d);
  else if (k == Kind::Boolean) v = Value::boolean(narrowed(k, slot.i) != 0);
  else v.setInt(narrowed(k, slot.i));
}

Value ForeignRoutine::resultValue(const ArgSlot& raw) const {
  Kind k = decl_.result;
  if (k == Kind::String) return Value::string(raw.text ? raw.text : "");
  if (k == Kind::Single) return Value::real(raw.f);
  if (k == Kind::Double) return Value::real(raw.d);
  if (k == Kind::Boolean) return Value::boolean(narrowed(k, raw.i) != 0);
  return Value::integer(narrowed(k, raw.i), pscript::varInt64);
}

void ForeignRoutine::call(NativeCall& c) const {
  std::array<ArgSlot, kMaxExternalParams> slots{};
  std::array<ArgSlot*, kMaxExternalParams> refs{};
  std::array<void*, kMaxExternalParams> values{};
  std::array<std::string, kMaxExternalParams> texts;
  size_t n = decl_.params.size();
  for (size_t i = 0; i < n; ++i) {
    const auto& p = decl_.params[i];
    readArgument(c.arg(static_cast<int>(i)), p.kind, slots[i], texts[i]);
    refs[i] = &slots[i];
    values[i] = p.byRef ? static_cast<void*>(&refs[i]) : static_cast<void*>(&slots[i]);
  }
  union {
    ffi_arg word;
    ArgSlot slot;
  } result{};
  errno = 0;
  ffi_call(const_cast<ffi_cif*>(&cif_), fn_, &result, values.data());
  lastCallError = errno;
  for (size_t i = 0; i < n; ++i)
    if (decl_.params[i].byRef) writeBack(c.arg(static_cast<int>(i)), decl_.params[i].kind, slots[i]);
  if (decl_.result != Kind::None) c.result() = resultValue(result.slot);
}

void NativeUnloadDll(NativeCall& c) {
  std::string name(c.arg(0).rawString());
  c.exec().unbindExternals(name);
  openLibraries().forget(name);
}

void NativeDllGetLastError(NativeCall& c) { c.result() = Value::integer(lastCallError); }

}  // namespace

pscript::ExternalBinder sharedLibraryBinder() {
  return [](const ExternalDecl& decl, std::string& error) -> pscript::ExternalCall {
    std::shared_ptr<ForeignRoutine> routine = ForeignRoutine::bind(decl, error);
    if (!routine) return {};
    return [routine](NativeCall& c) { routine->call(c); };
  };
}

void RegisterDll_C(pscript::Compiler& compiler) {
  compiler.allowExternalDeclarations();
  compiler.addFunction("procedure UnloadDll(S: string)");
  compiler.addFunction("function DllGetLastError: LongInt");
}

void InstallExternalDeclarationHandler(pscript::Compiler& compiler) { compiler.allowExternalDeclarations(); }

void RegisterDll_Functions(pscript::Exec& exec) {
  exec.registerFunction("UNLOADDLL", NativeUnloadDll);
  exec.registerFunction("DLLGETLASTERROR", NativeDllGetLastError);
  exec.setExternalBinder(sharedLibraryBinder());
}

}  // namespace tarno
