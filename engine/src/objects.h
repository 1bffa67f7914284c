// Objects of imported classes: a handle table owned by the Exec, and the
// natives that run methods, property accessors and constructors on it.
#pragma once

#include "module.h"

#include <pscript/memory.h>
#include <pscript/pscript.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pscript {

// Handles are (generation << 32 | slot): a freed slot gets a new generation,
// so a stale handle never reaches the object that reuses the slot. A live
// handle is never 0, which is nil.
class ObjectTable {
 public:
  Value add(std::unique_ptr<ScriptObject> object, std::string upperClass);
  ScriptObject* get(const Value& v) const;
  const std::string* className(const Value& v) const;
  // Takes the object out of the table; nullptr for nil or a stale handle.
  std::unique_ptr<ScriptObject> take(const Value& v);
  void clear();
  size_t size() const { return live_; }

 private:
  struct Entry {
    std::unique_ptr<ScriptObject> object;
    std::string upperClass;
    uint32_t generation = 1;
  };
  const Entry* entryOf(const Value& v) const;
  void chargeFor(size_t live);
  std::vector<Entry> entries_;
  std::vector<uint32_t> freeSlots_;
  size_t live_ = 0;
  MemoryCharge charge_;  // the live objects themselves; what they keep, they charge
};

// What a native name of the form "kind:CLASS.MEMBER" stands for at run time.
struct ObjectBinding {
  enum class Kind : uint8_t { Method, Constructor, Read, Write, Free, ClassName, Is, As };
  Kind kind = Kind::Method;
  std::string upperClass;
  ClassImporter::Binding target;
  ClassImporter::Factory factory = nullptr;
};

// Resolves a module's native name that belongs to objects. Returns false with
// a reason when the name is malformed or the importer lacks the member.
bool resolveObjectNative(const ClassImporter* importer, const NativeDesc& native, ObjectBinding& out, std::string& why);
bool isObjectNativeName(const std::string& name);
NativeFn objectNativeFn(ObjectBinding::Kind kind);

}  // namespace pscript
