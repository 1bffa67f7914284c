// Compile-time view of imported classes: members as the host declared them.
#pragma once

#include "types.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace pscript {

struct MethodSym {
  std::string upper;
  ProcSig sig;                 // without Self
  std::string ownerUpper;      // the class that declares it
  bool isConstructor = false;
  bool isAbstract = false;
};

struct PropSym {
  std::string upper;
  Type* type = nullptr;
  std::vector<Type*> indexes;  // array properties: one type per index
  std::string ownerUpper;
  bool canRead = true, canWrite = true;
};

struct ClassInfo {
  std::string upper;
  Type* ancestor = nullptr;    // a class type, or nullptr for a root
  bool isAbstract = false;
  std::unordered_map<std::string, MethodSym> methods;
  std::unordered_map<std::string, PropSym> props;
  std::string defaultProp;     // upper case; "" when this class declares none
};

// Member lookup through the ancestry; nullptr when no class declares it.
const MethodSym* findMethod(const Type* cls, const std::string& upper);
const PropSym* findProperty(const Type* cls, const std::string& upper);
const PropSym* defaultProperty(const Type* cls);
// Whether from is to or one of its descendants.
bool descendsFrom(const Type* from, const Type* to);

}  // namespace pscript
