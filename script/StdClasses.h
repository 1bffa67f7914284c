// Host objects behind TObject and TComponent.
#pragma once

#include <pscript/pscript.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarno {

// An instance of TObject or TPersistent: nothing but its identity.
struct PlainObject : pscript::ScriptObject {};

// TPersistent's descendants that know how to take another object's contents.
struct PersistentObject : pscript::ScriptObject {
  // false: the source is not of a kind this object can copy.
  virtual bool AssignFrom(pscript::Exec& exec, const pscript::Value& source) {
    (void)exec;
    (void)source;
    return false;
  }
};

// TComponent: an owner frees the components it owns.
struct ComponentObject : pscript::ScriptObject {
  pscript::Value self, owner;
  std::vector<pscript::Value> components;
  std::string name;
  int32_t tag = 0, designInfo = 0;
  void freeing(pscript::Exec& exec) override;
  void Remove(const pscript::Value& child);
  // What TComponent.Create does: remembers the handle, joins the owner.
  void Created(pscript::Exec& exec, const pscript::Value& handle, const pscript::Value& newOwner);
};

// Component names compare without regard to case.
bool EqualNames(const std::string& a, const std::string& b);

}  // namespace tarno
