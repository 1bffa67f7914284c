// Reference-counted heap objects behind Value: strings, wide strings and
// arrays (dynamic arrays, variant arrays, records and static arrays).
#pragma once

#include <pscript/memory.h>
#include <pscript/value.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pscript {

enum class HeapKind : uint8_t { String, WideString, Array };

// Every heap object charges its bytes to the scripts' memory account (memory.h)
// when it is made and whenever it grows, and gives them back when it goes.
struct HeapObj {
  explicit HeapObj(HeapKind k) : kind(k) {}
  uint32_t refs = 1;  // first member: Value's inline reference counting relies on it
  HeapKind kind;
  MemoryCharge charge;
};

// A string object; growing it goes through reserveFor, which charges first.
template <class Str, HeapKind Kind>
struct TextObj : HeapObj {
  explicit TextObj(std::basic_string_view<typename Str::value_type> v) : HeapObj(Kind) {
    charge.set(bytesFor(v.size()));
    s.assign(v);
  }
  explicit TextObj(Str&& v) : HeapObj(Kind), s(std::move(v)) { charge.set(bytesFor(s.capacity())); }
  // Makes room for length characters, growing as the string itself would (to
  // at least twice its room), after charging for it.
  void reserveFor(size_t length) { reserveCharged(charge, s, length, sizeof(TextObj)); }
  static size_t bytesFor(size_t length) { return sizeof(TextObj) + length * sizeof(typename Str::value_type); }
  Str s;
};
using StrObj = TextObj<std::string, HeapKind::String>;
using WStrObj = TextObj<std::u16string, HeapKind::WideString>;

// Elements of a dynamic array, static array, record (fields) or variant array.
// Growing it goes through resize or assign, which charge first.
struct ArrObj : HeapObj {
  ArrObj() : HeapObj(HeapKind::Array) { charge.set(bytesFor(0)); }
  ArrObj(const ArrObj& o) : HeapObj(HeapKind::Array), low(o.low), typeId(o.typeId) { assign(o.items); }
  ArrObj& operator=(const ArrObj&) = delete;
  void resize(size_t n) {
    if (n > items.capacity()) {
      const size_t room = std::max(n, 2 * items.capacity());
      charge.set(bytesFor(room));
      items.reserve(room);
    }
    items.resize(n);
  }
  void assign(const std::vector<Value>& from) {
    charge.set(bytesFor(std::max(from.size(), items.capacity())));
    items = from;
    charge.set(bytesFor(items.capacity()));
  }
  static size_t bytesFor(size_t count) { return sizeof(ArrObj) + count * sizeof(Value); }
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
