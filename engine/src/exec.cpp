// Exec: loading a module, binding natives, finding and calling functions.
#include "builtins.h"
#include "engine_limits.h"
#include "text.h"
#include "vm.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace pscript {

Exec::Impl::~Impl() {
  globals.clear();
  // Every frame releases its slots when it ends, so the stack holds no
  // references here; zero-filled memory is an empty Value.
  std::free(stack);
}

Exec::Exec() : impl_(std::make_unique<Impl>()) {}
Exec::~Exec() = default;

void Exec::registerFunction(const std::string& name, NativeFn fn, void* user) {
  std::string upper = upperAscii(name);
  for (auto& [n, r] : impl_->registry)
    if (n == upper) { r = {fn, user}; return; }
  impl_->registry.push_back({upper, {fn, user}});
}

const std::string& Exec::loadError() const { return impl_->loadError; }

bool Exec::load(std::string_view bytes) {
  Impl& m = *impl_;
  m.loaded = false;
  m.globals.clear();
  m.natives.clear();
  m.nativeUser.clear();
  m.externals.clear();
  m.procByName.clear();
  m.module = Module{};
  m.objects.clear();
  m.objectBindings.clear();
  if (!deserializeModule(bytes, m.module, m.loadError)) return false;
  m.typeValues.clear();
  for (const TypeDesc& t : m.module.types) m.typeValues.push_back(typeValueCount(t, m.typeValues));
  for (const NativeDesc& n : m.module.natives) {
    if (!n.external.empty()) {
      if (!m.addExternal(n)) return false;
      continue;
    }
    if (isObjectNativeName(n.name)) {
      ObjectBinding b;
      if (!resolveObjectNative(classes_, n, b, m.loadError)) return false;
      m.objectBindings.push_back(std::move(b));
      m.natives.push_back(objectNativeFn(m.objectBindings.back().kind));
      m.nativeUser.push_back(&m.objectBindings.back());
      continue;
    }
    auto reg = std::find_if(m.registry.begin(), m.registry.end(), [&](const auto& r) { return r.first == n.name; });
    if (reg != m.registry.end()) {
      m.natives.push_back(reg->second.fn);
      m.nativeUser.push_back(reg->second.user);
    } else if (const Builtin* b = findBuiltin(n.name)) {
      m.natives.push_back(b->fn);
      m.nativeUser.push_back(nullptr);
    } else {
      m.loadError = "Cannot Import " + n.name;
      return false;
    }
  }
  m.bound.clear();
  for (size_t i = 0; i < m.natives.size(); ++i) m.bound.push_back({m.natives[i], m.nativeUser[i], m.module.natives[i].argCount});
  for (size_t i = 1; i < m.module.procs.size(); ++i)
    if (m.module.procs[i].exported) m.procByName.push_back({upperAscii(m.module.procs[i].name), static_cast<int>(i)});
  std::stable_sort(m.procByName.begin(), m.procByName.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  if (!m.stack) {
    m.stack = static_cast<Value*>(std::calloc(kMaxStackSlots, sizeof(Value)));
    if (!m.stack) { m.loadError = "Out Of Memory"; return false; }
    m.stackEnd = m.stack + kMaxStackSlots;
    m.frames.reserve(kMaxCallDepth);
  }
  m.globals.assign(static_cast<size_t>(m.module.globalCount), Value());
  for (const ConstDesc& c : m.module.constants) m.globals[static_cast<size_t>(c.global)] = c.value;
  try {
    Vm(*this).run(0, m.stack);
  } catch (const RuntimeError& e) {
    m.loadError = e.what();
    return false;
  }
  m.loaded = true;
  return true;
}

Value Exec::newObject(std::unique_ptr<ScriptObject> object, const std::string& className) {
  return impl_->objects.add(std::move(object), upperAscii(className));
}

ScriptObject* Exec::object(const Value& v) const { return impl_->objects.get(v); }

void Exec::freeObject(const Value& v) {
  std::unique_ptr<ScriptObject> gone = impl_->objects.take(v);
  if (gone) gone->freeing(*this);
}

size_t Exec::objectCount() const { return impl_->objects.size(); }

const std::string& Exec::objectClass(const Value& v) const {
  static const std::string kNone;
  const std::string* name = impl_->objects.className(v);
  return name ? *name : kNone;
}

ProcHandle Exec::findFunction(std::string_view name) const {
  std::string upper = upperAscii(name);
  const auto& list = impl_->procByName;
  auto it = std::lower_bound(list.begin(), list.end(), upper, [](const auto& a, const std::string& n) { return a.first < n; });
  if (it == list.end() || it->first != upper) return {};
  return ProcHandle{it->second};
}

namespace {
Value* freeStackTop(Exec::Impl& m) {
  if (m.frames.empty()) return m.stack;
  const Frame& f = m.frames.back();
  return f.fp + f.proc->frameSize;
}

}  // namespace

// One host call into the script: counts the nesting of such calls (each one
// recurses on the C++ stack) and, for a call made while a script call runs,
// keeps that call's exception state. The outermost call leaves its state to
// the host, so it saves nothing: no string copy on the common path.
class HostCallScope {
 public:
  HostCallScope(Exec& exec, int procIndex) : exec_(exec) {
    if (exec_.hostCallNesting_ >= kMaxHostCallNesting) tooDeep(procIndex);
    if (exec_.hostCallNesting_++ > 0) save();
  }
  ~HostCallScope() {
    --exec_.hostCallNesting_;
    if (saved_) restore();
  }
  HostCallScope(const HostCallScope&) = delete;
  HostCallScope& operator=(const HostCallScope&) = delete;

 private:
  struct Saved {
    ErrorKind kind;
    std::string param;
    int proc, pos;
  };
  // Out of line: the outermost call, the common one, only counts.
  [[noreturn, gnu::noinline, gnu::cold]] static void tooDeep(int procIndex) {
    throw RuntimeError(ErrorKind::OutOfStackRange, "", procIndex, 0);
  }
  [[gnu::noinline]] void save() {
    saved_ = std::make_unique<Saved>(Saved{exec_.lastKind_, exec_.lastParam_, exec_.lastProc_, exec_.lastPos_});
  }
  [[gnu::noinline]] void restore() {
    exec_.lastKind_ = saved_->kind;
    exec_.lastParam_ = std::move(saved_->param);
    exec_.lastProc_ = saved_->proc;
    exec_.lastPos_ = saved_->pos;
  }

  Exec& exec_;
  std::unique_ptr<Saved> saved_;
};

bool Exec::call(ProcHandle proc, Value& v) {
  Impl& m = *impl_;
  if (!m.loaded || proc.index <= 0 || static_cast<size_t>(proc.index) >= m.module.procs.size())
    throw RuntimeError(ErrorKind::CouldNotCallProc, "", proc.index, 0);
  const ProcDesc& p = m.module.procs[static_cast<size_t>(proc.index)];
  if (!p.hostSignature) throw RuntimeError(ErrorKind::CouldNotCallProc, "", proc.index, 0);
  HostCallScope scope(*this, proc.index);
  Value* fp = freeStackTop(m);
  if (fp + p.frameSize > m.stackEnd) throw RuntimeError(ErrorKind::OutOfStackRange, "", proc.index, 0);
  fp[0].clear();
  fp[1].setSlotRef(&v);
  struct ResultGuard {
    Value* slot;
    ~ResultGuard() { slot[0].clear(); slot[1].clear(); }
  } guard{fp};
  Vm(*this).run(proc.index, fp);
  return fp[0].rawInt() != 0;
}

void Exec::run(ProcHandle proc) {
  Impl& m = *impl_;
  if (!m.loaded || proc.index <= 0 || static_cast<size_t>(proc.index) >= m.module.procs.size() ||
      m.module.procs[static_cast<size_t>(proc.index)].paramCount != 0)
    throw RuntimeError(ErrorKind::CouldNotCallProc, "", proc.index, 0);
  HostCallScope scope(*this, proc.index);
  Value* fp = freeStackTop(m);
  if (fp + m.module.procs[static_cast<size_t>(proc.index)].frameSize > m.stackEnd)
    throw RuntimeError(ErrorKind::OutOfStackRange, "", proc.index, 0);
  fp[0].clear();
  struct ResultGuard {
    Value* slot;
    ~ResultGuard() { slot[0].clear(); }
  } guard{fp};
  Vm(*this).run(proc.index, fp);
}

bool Exec::isProcValue(const Value& v) const {
  const Impl& m = *impl_;
  if (!m.loaded || !v.isInteger()) return false;
  const int64_t n = v.rawInt();
  return n > 0 && static_cast<uint64_t>(n) < m.module.procs.size();
}

Value Exec::callProcValue(const Value& v, std::vector<ProcArg>& args) {
  Impl& m = *impl_;
  const int index = isProcValue(v) ? static_cast<int>(v.rawInt()) : 0;
  if (index == 0 || m.module.procs[static_cast<size_t>(index)].paramCount != static_cast<int32_t>(args.size()))
    throw RuntimeError(ErrorKind::CouldNotCallProc, "", index, 0);
  const ProcDesc& p = m.module.procs[static_cast<size_t>(index)];
  HostCallScope scope(*this, index);
  Value* fp = freeStackTop(m);
  if (fp + p.frameSize > m.stackEnd) throw RuntimeError(ErrorKind::OutOfStackRange, "", index, 0);
  struct ArgumentGuard {
    Value* slot;
    size_t count;
    ~ArgumentGuard() {
      for (size_t k = 0; k <= count; ++k) slot[k].clear();
    }
  } guard{fp, args.size()};
  fp[0].clear();
  for (size_t k = 0; k < args.size(); ++k) {
    if (args[k].ref) fp[k + 1].setSlotRef(args[k].ref);
    else fp[k + 1] = args[k].value;
  }
  Vm(*this).run(index, fp);
  return fp[0];
}

}  // namespace pscript
