// Handle table, class importer and the natives behind object members.
#include "objects.h"

#include "engine_limits.h"
#include "text.h"

#include <algorithm>

namespace pscript {

// ------------------------------------------------------------------ handles

namespace {
uint32_t slotOf(const Value& v) { return static_cast<uint32_t>(static_cast<uint64_t>(v.rawInt()) & 0xFFFFFFFFu); }
uint32_t generationOf(const Value& v) { return static_cast<uint32_t>(static_cast<uint64_t>(v.rawInt()) >> 32); }
}  // namespace

Value ObjectTable::add(std::unique_ptr<ScriptObject> object, std::string upperClass) {
  if (!object) throw ScriptError(ErrorKind::NullPointerException, "");
  if (live_ >= kMaxObjects) throw ScriptError(ErrorKind::OutOfMemory, "");
  chargeFor(live_ + 1);
  uint32_t slot;
  if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
  } else {
    slot = static_cast<uint32_t>(entries_.size());
    entries_.emplace_back();
  }
  Entry& e = entries_[slot];
  e.object = std::move(object);
  e.upperClass = std::move(upperClass);
  ++live_;
  Value v;
  v.setRaw(static_cast<int64_t>((static_cast<uint64_t>(e.generation) << 32) | slot), vtObject);
  return v;
}

const ObjectTable::Entry* ObjectTable::entryOf(const Value& v) const {
  if (v.type() != vtObject) return nullptr;
  uint32_t slot = slotOf(v);
  if (slot >= entries_.size()) return nullptr;
  const Entry& e = entries_[slot];
  if (!e.object || e.generation != generationOf(v)) return nullptr;
  return &e;
}

ScriptObject* ObjectTable::get(const Value& v) const {
  const Entry* e = entryOf(v);
  return e ? e->object.get() : nullptr;
}

const std::string* ObjectTable::className(const Value& v) const {
  const Entry* e = entryOf(v);
  return e ? &e->upperClass : nullptr;
}

std::unique_ptr<ScriptObject> ObjectTable::take(const Value& v) {
  if (!entryOf(v)) return nullptr;
  uint32_t slot = slotOf(v);
  Entry& e = entries_[slot];
  std::unique_ptr<ScriptObject> out = std::move(e.object);
  ++e.generation;
  if (e.generation == 0) e.generation = 1;  // 0 would let a stale handle equal nil
  freeSlots_.push_back(slot);
  --live_;
  chargeFor(live_);
  return out;
}

void ObjectTable::chargeFor(size_t live) { charge_.set(live * kObjectCharge); }

void ObjectTable::clear() {
  // Generations survive, so handles from before a reload stay stale.
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    Entry& e = entries_[i];
    if (!e.object) continue;
    e.object.reset();
    ++e.generation;
    if (e.generation == 0) e.generation = 1;
    freeSlots_.push_back(i);
  }
  live_ = 0;
  charge_.release();
}

// ------------------------------------------------------------------ importer

ClassImporter::ClassEntry& ClassImporter::entry(const std::string& name) {
  std::string upper = upperAscii(name);
  for (auto& [n, e] : classes_)
    if (n == upper) return e;
  classes_.push_back({upper, ClassEntry{}});
  classes_.back().second.spelled = name;
  return classes_.back().second;
}

void ClassImporter::registerClass(const std::string& name, const std::string& ancestor, Factory factory) {
  ClassEntry& e = entry(name);
  e.spelled = name;
  e.ancestor = upperAscii(ancestor);
  e.factory = factory;
}

namespace {
void bind(std::vector<std::pair<std::string, ClassImporter::Binding>>& list, const std::string& name,
          ClassImporter::Binding b) {
  std::string upper = upperAscii(name);
  for (auto& [n, existing] : list)
    if (n == upper) { existing = b; return; }
  list.push_back({upper, b});
}

const ClassImporter::Binding* lookup(const std::vector<std::pair<std::string, ClassImporter::Binding>>& list,
                                     const std::string& upper) {
  for (const auto& [n, b] : list)
    if (n == upper && b.fn) return &b;
  return nullptr;
}
}  // namespace

void ClassImporter::registerMethod(const std::string& className, const std::string& method, NativeFn fn, void* user) {
  bind(entry(className).methods, method, {fn, user});
}

void ClassImporter::registerProperty(const std::string& className, const std::string& property, NativeFn read,
                                     NativeFn write, void* user) {
  ClassEntry& e = entry(className);
  if (read) bind(e.readers, property, {read, user});
  if (write) bind(e.writers, property, {write, user});
}

const ClassImporter::ClassEntry* ClassImporter::find(const std::string& upperName) const {
  for (const auto& [n, e] : classes_)
    if (n == upperName) return &e;
  return nullptr;
}

bool ClassImporter::inherits(const std::string& upperName, const std::string& upperAncestor) const {
  std::string cur = upperName;
  for (size_t depth = 0; depth <= classes_.size() && !cur.empty(); ++depth) {  // bounded: ancestry may loop
    if (cur == upperAncestor) return true;
    const ClassEntry* e = find(cur);
    if (!e) return false;
    cur = e->ancestor;
  }
  return false;
}

// ------------------------------------------------------------------ natives

struct ObjectCalls {
  static const ObjectBinding& binding(const NativeCall& c) { return *static_cast<const ObjectBinding*>(c.user()); }

  // Self of a member call, checked: live and of the member's class.
  static void checkSelf(NativeCall& c, ErrorKind onNil) {
    const ObjectBinding& b = binding(c);
    Exec& e = c.exec();
    if (c.count() < 1) throw ScriptError(ErrorKind::CouldNotCallProc, "");
    const Value& self = c.arg(0);
    if (!e.object(self)) throw ScriptError(onNil, "");
    const ClassImporter* imp = e.classImporter();
    if (!imp || !imp->inherits(e.objectClass(self), b.upperClass)) throw ScriptError(ErrorKind::TypeMismatch, "");
  }

  static void forward(NativeCall& c) {
    NativeCall inner = c;
    const ObjectBinding& b = binding(c);
    inner.user_ = b.target.user;
    b.target.fn(inner);
  }

  static void method(NativeCall& c) { checkSelf(c, ErrorKind::NullPointerException); forward(c); }
  static void accessor(NativeCall& c) { checkSelf(c, ErrorKind::CouldNotCallProc); forward(c); }

  static void construct(NativeCall& c) {
    const ObjectBinding& b = binding(c);
    if (c.count() < 1 || !b.factory) throw ScriptError(ErrorKind::CouldNotCallProc, "");
    Exec& e = c.exec();
    Value self = e.newObject(b.factory(), b.upperClass);
    c.arg(0) = self;
    if (b.target.fn) {
      try {
        forward(c);
      } catch (...) {
        e.freeObject(self);
        throw;
      }
    }
    c.result() = self;
  }

  static void free(NativeCall& c) {
    if (c.count() < 1) throw ScriptError(ErrorKind::CouldNotCallProc, "");
    const Value& self = c.arg(0);
    if (!c.exec().object(self)) throw ScriptError(ErrorKind::NullPointerException, "");  // nil too, as in the reference
    c.exec().freeObject(self);
  }

  static void className(NativeCall& c) {
    checkSelf(c, ErrorKind::NullPointerException);
    Exec& e = c.exec();
    const ClassImporter::ClassEntry* entry = e.classImporter()->find(e.objectClass(c.arg(0)));
    c.result() = Value::string(entry ? entry->spelled : e.objectClass(c.arg(0)));
  }

  // obj:IS(Obj, ClassName): nil is no instance of anything.
  static bool instanceOf(NativeCall& c) {
    if (c.count() < 2) throw ScriptError(ErrorKind::CouldNotCallProc, "");
    const Value& obj = c.arg(0);
    if (obj.type() == varEmpty) return false;
    Exec& e = c.exec();
    if (obj.type() != vtObject) throw ScriptError(ErrorKind::TypeMismatch, "");
    if (!e.object(obj)) throw ScriptError(ErrorKind::NullPointerException, "");
    const ClassImporter* imp = e.classImporter();
    return imp && imp->inherits(e.objectClass(obj), upperAscii(c.arg(1).toString()));
  }
  static void is(NativeCall& c) { c.result() = Value::boolean(instanceOf(c)); }
  static void as(NativeCall& c) {
    if (!instanceOf(c) && c.arg(0).type() != varEmpty) throw ScriptError(ErrorKind::TypeMismatch, "");
    c.result() = c.arg(0);
  }
};

NativeFn objectNativeFn(ObjectBinding::Kind kind) {
  switch (kind) {
    case ObjectBinding::Kind::Method: return ObjectCalls::method;
    case ObjectBinding::Kind::Constructor: return ObjectCalls::construct;
    case ObjectBinding::Kind::Read:
    case ObjectBinding::Kind::Write: return ObjectCalls::accessor;
    case ObjectBinding::Kind::Free: return ObjectCalls::free;
    case ObjectBinding::Kind::ClassName: return ObjectCalls::className;
    case ObjectBinding::Kind::Is: return ObjectCalls::is;
    case ObjectBinding::Kind::As: return ObjectCalls::as;
  }
  return ObjectCalls::method;
}

bool isObjectNativeName(const std::string& name) { return name.find(':') != std::string::npos; }

namespace {
// The binding of member in cls or its nearest ancestor that has one.
const ClassImporter::Binding* findInherited(const ClassImporter& imp, std::string cls, const std::string& member,
                                            int list) {
  for (size_t depth = 0; depth <= kMaxTypeNesting && !cls.empty(); ++depth) {
    const ClassImporter::ClassEntry* e = imp.find(cls);
    if (!e) return nullptr;
    const auto& l = list == 0 ? e->methods : list == 1 ? e->readers : e->writers;
    if (const ClassImporter::Binding* b = lookup(l, member)) return b;
    cls = e->ancestor;
  }
  return nullptr;
}

ClassImporter::Factory findFactory(const ClassImporter& imp, std::string cls) {
  for (size_t depth = 0; depth <= kMaxTypeNesting && !cls.empty(); ++depth) {
    const ClassImporter::ClassEntry* e = imp.find(cls);
    if (!e) return nullptr;
    if (e->factory) return e->factory;
    cls = e->ancestor;
  }
  return nullptr;
}
}  // namespace

bool resolveObjectNative(const ClassImporter* imp, const NativeDesc& native, ObjectBinding& out, std::string& why) {
  const std::string& name = native.name;
  why = "Cannot Import " + name;
  size_t colon = name.find(':');
  std::string kind = name.substr(0, colon), rest = name.substr(colon + 1);
  if (native.argCount < 1) return false;  // Self (or the object tested) comes first
  if (kind == "obj") {
    if ((rest != "IS" && rest != "AS") || native.argCount != 2) return false;
    out.kind = rest == "IS" ? ObjectBinding::Kind::Is : ObjectBinding::Kind::As;
    return true;
  }
  size_t dot = rest.find('.');
  if (dot == std::string::npos || !imp) return false;
  out.upperClass = rest.substr(0, dot);
  std::string member = rest.substr(dot + 1);
  why = "Cannot Import " + member;  // the reference names the member alone
  if (!imp->find(out.upperClass)) return false;
  if (kind == "call") {
    if (member == "FREE") { out.kind = ObjectBinding::Kind::Free; return true; }
    const ClassImporter::Binding* b = findInherited(*imp, out.upperClass, member, 0);
    if (!b && member == "CLASSNAME") { out.kind = ObjectBinding::Kind::ClassName; return true; }
    if (!b) return false;
    out.kind = ObjectBinding::Kind::Method;
    out.target = *b;
    return true;
  }
  if (kind == "new") {
    out.kind = ObjectBinding::Kind::Constructor;
    out.factory = findFactory(*imp, out.upperClass);
    if (const ClassImporter::Binding* b = findInherited(*imp, out.upperClass, member, 0)) out.target = *b;
    return out.factory != nullptr;
  }
  if (kind == "get" || kind == "set") {
    const ClassImporter::Binding* b = findInherited(*imp, out.upperClass, member, kind == "get" ? 1 : 2);
    if (!b) return false;
    out.kind = kind == "get" ? ObjectBinding::Kind::Read : ObjectBinding::Kind::Write;
    out.target = *b;
    return true;
  }
  return false;
}

}  // namespace pscript
