// A script value: what a Variant holds, and also what every VM slot holds.
// 16 bytes: a type code and a payload. Heap payloads (strings, arrays,
// records) are reference counted; copying a Value copies a pointer. Texts of
// up to kInlineTextBytes bytes live in the value itself, without a heap object.
#pragma once

#include <cstdint>
#include <cstring>
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

// Value::aux() of an `array of const` element that the script passed as a
// Variant: the reference's Format takes such an element for %s only.
inline constexpr uint32_t kVariantArgument = 0x56415200;

class Value {
 public:
  // Bytes of a text kept inside the value: 12 8-bit characters or 6 UTF-16 units.
  static constexpr size_t kInlineTextBytes = 12;

  Value() noexcept { std::memset(static_cast<void*>(this), 0, sizeof *this); }
  Value(const Value& o) noexcept { copyBits(o); retain(); }
  Value(Value&& o) noexcept { copyBits(o); o.forget(); }
  // Copies before it lets go of the old value, so o may live inside it (an
  // element of the only reference to an array).
  Value& operator=(const Value& o) noexcept {
    if (this == &o) return *this;
    if (o.heap_) o.retain();
    HeapObj* old = heap_ ? u_.o : nullptr;
    copyBits(o);
    if (old) releaseObject(old);
    return *this;
  }
  Value& operator=(Value&& o) noexcept {
    if (this != &o) {
      if (heap_) release();
      copyBits(o);
      o.forget();
    }
    return *this;
  }
  ~Value() { if (heap_) release(); }

  static Value integer(int64_t v, VarType t = varInteger) noexcept;
  static Value real(double v, VarType t = varDouble) noexcept;
  static Value boolean(bool v) noexcept;
  static Value null() noexcept;
  static Value string(std::string_view s) {
    if (s.size() > kInlineTextBytes) return heapString(s);
    Value r;
    r.setInlineText(varString, s.data(), s.size());
    return r;
  }
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
  bool isInteger() const noexcept {
    constexpr uint32_t kIntegerTypes = 1u << varSmallInt | 1u << varInteger | 1u << varShortInt | 1u << varByte |
                                       1u << varWord | 1u << varLongWord | 1u << varInt64 | 1u << varBoolean;
    return vt_ < 32 && (kIntegerTypes >> vt_ & 1u) != 0;
  }
  bool isReal() const noexcept;

  // Raw payloads, for values whose type is known.
  int64_t rawInt() const noexcept { return u_.i; }
  double rawReal() const noexcept { return u_.d; }
  std::string_view rawString() const noexcept {      // varString (else empty)
    if (!heap_) return vt_ == varString ? std::string_view(inlineBytes(), inlineSize()) : std::string_view();
    return heapRawString();
  }
  std::u16string_view rawWideString() const noexcept; // varOleStr (else empty)

  // Variant conversions with the RTL's rules; throw ScriptError on failure.
  int64_t toInt() const { return isInteger() && vt_ != varBoolean ? u_.i : toIntSlow(); }
  double toReal() const;
  bool toBool() const;
  std::string toString() const;
  std::u16string toWideString() const;

  // Variant arrays.
  int64_t arrayLow() const noexcept;
  int64_t arrayHigh() const noexcept;
  const Value& arrayAt(int64_t index) const;  // throws on bad index
  // The element at index, or nullptr when this is no array or index is out of bounds.
  const Value* arrayElement(int64_t index) const noexcept;
  void arraySet(int64_t index, const Value& v); // copies the array first when shared
  // Elements [first, first + count) := Byte values of bytes, in one pass (a
  // host's refresh of its argument array between calls).
  void arraySetBytes(int64_t first, const uint8_t* bytes, size_t count);

  // Engine internals.
  void setInt(int64_t v) noexcept { setRaw(v, varInt64); }
  void setReal(double v) noexcept { if (heap_) release(); u_.d = v; setTag(varDouble); }
  void setRaw(int64_t v, uint16_t vt) noexcept { if (heap_) release(); u_.i = v; setTag(vt); }
  void setHeap(HeapObj* o, uint16_t vt) noexcept; // takes over one reference
  HeapObj* obj() const noexcept { return heap_ ? u_.o : nullptr; }
  Value* slotRef() const noexcept { return u_.p; }
  // The element index of an element reference, or kVariantArgument for a marked value.
  uint32_t aux() const noexcept {
    if (text_ & kMarkBit) return kVariantArgument;
    return isInlineText() ? 0 : aux_;
  }
  void setAux(uint32_t a) noexcept {
    if (a == kVariantArgument) text_ |= kMarkBit;
    else aux_ = a;
  }
  void setVarType(uint16_t vt) noexcept { vt_ = vt; }
  void clear() noexcept { if (heap_) release(); forget(); }
  void setSlotRef(Value* p) noexcept { if (heap_) release(); u_.p = p; setTag(vtSlotRef); }
  // An 8-bit (varString) or UTF-16 (varOleStr) text of at most kInlineTextBytes
  // bytes, kept inside the value.
  void setInlineText(uint16_t vt, const void* bytes, size_t size) noexcept {
    if (heap_) release();
    setTag(vt);
    text_ = static_cast<uint8_t>(size);
    aux_ = 0;
    u_.i = 0;
    copyInline(inlineBytes(), static_cast<const char*>(bytes), size);
  }
  // A text that lives in the value itself (an empty one included).
  bool isInlineText() const noexcept { return !heap_ && (vt_ == varString || vt_ == varOleStr); }
  const char* inlineBytes() const noexcept { return reinterpret_cast<const char*>(this) + kInlineOffset; }
  char* inlineBytes() noexcept { return reinterpret_cast<char*>(this) + kInlineOffset; }
  size_t inlineSize() const noexcept { return text_ & kSizeBits; }

 private:
  int64_t toIntSlow() const;  // every type but the plain integers
  static Value heapString(std::string_view s);
  std::string_view heapRawString() const noexcept;
  // At most kInlineTextBytes bytes, without a library call: two overlapping
  // copies cover any length, and neither reads outside the source.
  static void copyInline(char* to, const char* from, size_t n) noexcept {
    if (n >= 8) {
      std::memcpy(to + n - 8, from + n - 8, 8);
      std::memcpy(to, from, 8);
    } else if (n >= 4) {
      std::memcpy(to + n - 4, from + n - 4, 4);
      std::memcpy(to, from, 4);
    } else if (n > 0) {
      to[n - 1] = from[n - 1];
      to[n / 2] = from[n / 2];
      to[0] = from[0];
    }
  }
  static constexpr uint8_t kMarkBit = 0x80;  // in text_: the value is marked kVariantArgument
  static constexpr uint8_t kSizeBits = 0x7F; // in text_: bytes of an inline text
  static constexpr size_t kInlineOffset = 4; // aux_ and u_ hold an inline text's bytes

  void retain() const noexcept;
  void release() noexcept;
  static void releaseObject(HeapObj* o) noexcept;
  static void destroy(HeapObj* o) noexcept;
  void forget() noexcept { std::memset(static_cast<void*>(this), 0, sizeof *this); }
  void copyBits(const Value& o) noexcept { std::memcpy(static_cast<void*>(this), &o, sizeof *this); }
  // Type code, no heap object, no inline text and no mark.
  void setTag(uint16_t vt) noexcept { vt_ = vt; heap_ = 0; text_ = 0; }

  uint16_t vt_;
  uint8_t heap_;
  uint8_t text_;   // inline text size and the kVariantArgument mark
  uint32_t aux_;
  union {
    int64_t i;
    double d;
    HeapObj* o;
    Value* p;
  } u_;
};

static_assert(sizeof(Value) == 16, "slots are meant to stay 16 bytes");

// Every heap object starts with its reference count.
struct HeapHeader {
  uint32_t refs;
};

inline void Value::retain() const noexcept {
  if (heap_) ++reinterpret_cast<HeapHeader*>(u_.o)->refs;
}

inline void Value::releaseObject(HeapObj* o) noexcept {
  if (--reinterpret_cast<HeapHeader*>(o)->refs == 0) destroy(o);
}

inline void Value::release() noexcept {
  HeapObj* o = u_.o;
  heap_ = 0;
  releaseObject(o);
}

// Text of a variant type code as the RTL names it ("Integer", "OleStr", ...).
std::string varTypeName(uint16_t vt);

}  // namespace pscript
