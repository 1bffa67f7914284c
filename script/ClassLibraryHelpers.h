// Small helpers shared by the import libraries' class implementations.
#pragma once

#include <pscript/pscript.h>

#include <cstdint>
#include <string>

namespace tarno::classlib {

// Self of a method or property call as its host type; the engine has
// already checked that it is a live object of the member's class.
template <class T>
T& Self(pscript::NativeCall& c) {
  T* p = c.exec().objectAs<T>(c.arg(0));
  if (!p) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  return *p;
}

inline int64_t IntArg(const pscript::NativeCall& c, int i) { return c.arg(i).rawInt(); }
inline std::string StrArg(const pscript::NativeCall& c, int i) { return std::string(c.arg(i).rawString()); }
inline bool BoolArg(const pscript::NativeCall& c, int i) { return c.arg(i).rawInt() != 0; }
inline void ReturnInt(pscript::NativeCall& c, int64_t v) { c.result().setInt(v); }
inline void ReturnStr(pscript::NativeCall& c, std::string s) { c.result() = pscript::Value::string(std::move(s)); }

// Same-named declarations and bindings, so the two lists cannot drift apart.
struct Member {
  const char* declaration;
  const char* name;
  pscript::NativeFn fn;
};
struct Property {
  const char* declaration;
  const char* name;
  pscript::NativeFn read;
  pscript::NativeFn write;
};

template <size_t M, size_t P>
void DeclareMembers(pscript::Compiler& compiler, const char* cls, const Member (&methods)[M],
                    const Property (&props)[P]) {
  for (const Member& m : methods) compiler.addClassMember(cls, m.declaration);
  for (const Property& p : props) compiler.addClassMember(cls, p.declaration);
}

template <size_t M, size_t P>
void BindMembers(pscript::ClassImporter& importer, const char* cls, const Member (&methods)[M],
                 const Property (&props)[P]) {
  for (const Member& m : methods)
    if (m.fn) importer.registerMethod(cls, m.name, m.fn);
  for (const Property& p : props) importer.registerProperty(cls, p.name, p.read, p.write);
}

}  // namespace tarno::classlib
