// A script value: what a Variant holds, and also what every VM slot holds.
// 16 bytes: a payload and a type code. Heap payloads (strings, arrays,
// records) are reference counted; copying a Value copies a pointer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pscript {

// Variant type codes as the RTL numbers them.
enum VarType : uint16_t {
  varEmpty = 0x0000, varNull = 0x0001, varSmallInt = 0x0002, varInteger = 0x0003,
  varSingle = 0x0004, varDouble = 0x0005, varCurrency = 0x0006, varDate = 0x0007,
  varOleStr = 0x0008, varBoolean = 0x000B, varVariant = 0x000C, varShortInt = 0x0010,
  varByte = 0x0011, varWord = 0x0012, varLongWord = 0x0013, varInt64 = 0x0014,
  varString = 0x0100, varArray = 0x2000,
  // Engine-internal codes: never seen by a script as VarType results.
  vtDynArray = 0x4001,  // dynamic array (reference semantics)
  vtAggregate = 0x4002, // record or static array (copy semantics)
  vtSlotRef = 0x4003,   // reference to a variable (var parameter)
  vtElemRef = 0x4004,   // reference to an element of an aggregate
  vtObject = 0x4005,    // handle of an imported class's object (nil is varEmpty)
};

struct HeapObj;

class Value {
 public:
  Value() noexcept { u_.i = 0; }
  Value(const Value& o) noexcept : u_(o.u_), vt_(o.vt_), heap_(o.heap_), aux_(o.aux_) { retain(); }
  Value(Value&& o) noexcept : u_(o.u_), vt_(o.vt_), heap_(o.heap_), aux_(o.aux_) { o.forget(); }
  Value& operator=(const Value& o) noexcept {
    if (this == &o) return *this;  // release() below would clear o's heap flag too
    if (o.heap_) o.retain();
    if (heap_) release();
    u_ = o.u_;
    vt_ = o.vt_;
    heap_ = o.heap_;
    aux_ = o.aux_;
    return *this;
  }
  Value& operator=(Value&& o) noexcept {
    if (this != &o) {
      if (heap_) release();
      u_ = o.u_;
      vt_ = o.vt_;
      heap_ = o.heap_;
      aux_ = o.aux_;
      o.forget();
    }
    return *this;
  }
  ~Value() { if (heap_) release(); }

  static Value integer(int64_t v, VarType t = varInteger) noexcept;
  static Value real(double v, VarType t = varDouble) noexcept;
  static Value boolean(bool v) noexcept;
  static Value null() noexcept;
  static Value string(std::string_view s);
  static Value string(std::string&& s);
  static Value string(const char* s) { return string(std::string_view(s)); }
  static Value wideString(std::u16string_view s);
  static Value wideString(std::u16string&& s);
  static Value wideString(const char16_t* s) { return wideString(std::u16string_view(s)); }
  static Value wideFromUtf8(std::string_view utf8);
  // A one-dimensional variant array with bounds [low, high], elements empty.
  static Value newVarArray(int64_t low, int64_t high);
  // A set of a host-declared type: bit n stands for the element of ordinal n
  // (ordinals 0..63; larger sets are the engine's own business).
  static Value setOf(uint64_t elements);
  uint64_t setElements() const;

  VarType type() const noexcept { return static_cast<VarType>(vt_); }
  bool isHeap() const noexcept { return heap_ != 0; }
  bool isEmpty() const noexcept { return vt_ == varEmpty; }
  bool isNull() const noexcept { return vt_ == varNull; }
  bool isArray() const noexcept { return vt_ == (varArray | varVariant); }
  bool isString() const noexcept { return vt_ == varString; }
  bool isWideString() const noexcept { return vt_ == varOleStr; }
  bool isInteger() const noexcept;
  bool isReal() const noexcept;

  // Raw payloads, for values whose type is known.
  int64_t rawInt() const noexcept { return u_.i; }
  double rawReal() const noexcept { return u_.d; }
  std::string_view rawString() const noexcept;       // varString (else empty)
  std::u16string_view rawWideString() const noexcept; // varOleStr (else empty)

  // Variant conversions with the RTL's rules; throw ScriptError on failure.
  int64_t toInt() const;
  double toReal() const;
  bool toBool() const;
  std::string toString() const;
  std::u16string toWideString() const;

  // Variant arrays.
  int64_t arrayLow() const noexcept;
  int64_t arrayHigh() const noexcept;
  const Value& arrayAt(int64_t index) const;  // throws on bad index
  void arraySet(int64_t index, const Value& v); // copies the array first when shared

  // Engine internals.
  void setInt(int64_t v) noexcept { if (heap_) release(); u_.i = v; vt_ = varInt64; heap_ = 0; }
  void setReal(double v) noexcept { if (heap_) release(); u_.d = v; vt_ = varDouble; heap_ = 0; }
  void setRaw(int64_t v, uint16_t vt) noexcept { if (heap_) release(); u_.i = v; vt_ = vt; heap_ = 0; }
  void setHeap(HeapObj* o, uint16_t vt) noexcept; // takes over one reference
  HeapObj* obj() const noexcept { return heap_ ? u_.o : nullptr; }
  Value* slotRef() const noexcept { return u_.p; }
  uint32_t aux() const noexcept { return aux_; }
  void setAux(uint32_t a) noexcept { aux_ = a; }
  void setVarType(uint16_t vt) noexcept { vt_ = vt; }
  void clear() noexcept { if (heap_) release(); forget(); }
  void setSlotRef(Value* p) noexcept { if (heap_) release(); u_.p = p; vt_ = vtSlotRef; heap_ = 0; }

 private:
  void retain() const noexcept;
  void release() noexcept;
  static void destroy(HeapObj* o) noexcept;
  void forget() noexcept { u_.i = 0; vt_ = varEmpty; heap_ = 0; aux_ = 0; }

  union {
    int64_t i;
    double d;
    HeapObj* o;
    Value* p;
  } u_;
  uint16_t vt_ = varEmpty;
  uint8_t heap_ = 0;
  uint8_t pad_ = 0;
  uint32_t aux_ = 0;
};

static_assert(sizeof(Value) == 16, "slots are meant to stay 16 bytes");

// Every heap object starts with its reference count.
struct HeapHeader {
  uint32_t refs;
};

inline void Value::retain() const noexcept {
  if (heap_) ++reinterpret_cast<HeapHeader*>(u_.o)->refs;
}

inline void Value::release() noexcept {
  HeapObj* o = u_.o;
  heap_ = 0;
  if (--reinterpret_cast<HeapHeader*>(o)->refs == 0) destroy(o);
}

// Text of a variant type code as the RTL names it ("Integer", "OleStr", ...).
std::string varTypeName(uint16_t vt);

}  // namespace pscript
