// Reference-counted heap objects behind Value: strings, wide strings and
// arrays (dynamic arrays, variant arrays, records and static arrays).
#pragma once

#include <pscript/value.h>

#include <string>
#include <vector>

namespace pscript {

enum class HeapKind : uint8_t { String, WideString, Array };

struct HeapObj {
  explicit HeapObj(HeapKind k) : kind(k) {}
  uint32_t refs = 1;  // first member: Value's inline reference counting relies on it
  HeapKind kind;
};

struct StrObj : HeapObj {
  explicit StrObj(std::string_view v) : HeapObj(HeapKind::String), s(v) {}
  explicit StrObj(std::string&& v) : HeapObj(HeapKind::String), s(std::move(v)) {}
  std::string s;
};

struct WStrObj : HeapObj {
  explicit WStrObj(std::u16string_view v) : HeapObj(HeapKind::WideString), s(v) {}
  explicit WStrObj(std::u16string&& v) : HeapObj(HeapKind::WideString), s(std::move(v)) {}
  std::u16string s;
};

// Elements of a dynamic array, static array, record (fields) or variant array.
struct ArrObj : HeapObj {
  ArrObj() : HeapObj(HeapKind::Array) {}
  std::vector<Value> items;
  int64_t low = 0;
  int32_t typeId = -1; // the module's type of this aggregate; -1 for variant arrays
};

inline StrObj* asStr(const Value& v) noexcept {
  HeapObj* o = v.obj();
  return (o && o->kind == HeapKind::String) ? static_cast<StrObj*>(o) : nullptr;
}
inline WStrObj* asWStr(const Value& v) noexcept {
  HeapObj* o = v.obj();
  return (o && o->kind == HeapKind::WideString) ? static_cast<WStrObj*>(o) : nullptr;
}
inline ArrObj* asArr(const Value& v) noexcept {
  HeapObj* o = v.obj();
  return (o && o->kind == HeapKind::Array) ? static_cast<ArrObj*>(o) : nullptr;
}

// Sets are 256-bit maps held in a string object of this many bytes.
inline constexpr size_t kSetBytes = 32;

// Makes v's array object unshared (copy-on-write), returning it.
ArrObj* uniqueArr(Value& v);
// Makes v's string unshared, returning it (creating one when v is empty).
StrObj* uniqueStr(Value& v);
WStrObj* uniqueWStr(Value& v);

}  // namespace pscript
