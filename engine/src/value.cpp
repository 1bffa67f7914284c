// Value: reference counting, construction and the Variant conversion rules.
#include "heap.h"
#include "text.h"
#include "text_values.h"

#include <pscript/errors.h>

#include <cmath>
#include <vector>

namespace pscript {

void Value::destroy(HeapObj* o) noexcept {
  switch (o->kind) {
    case HeapKind::String: delete static_cast<StrObj*>(o); return;
    case HeapKind::WideString: delete static_cast<WStrObj*>(o); return;
    case HeapKind::Array: break;
  }
  // Arrays can nest without limit (a Variant array holding one holding ...):
  // free them from a work list, never by recursion on the C++ stack.
  static thread_local std::vector<ArrObj*>* draining = nullptr;
  auto* a = static_cast<ArrObj*>(o);
  if (draining) {
    draining->push_back(a);
    return;
  }
  std::vector<ArrObj*> work{a};
  draining = &work;
  while (!work.empty()) {
    ArrObj* next = work.back();
    work.pop_back();
    delete next;  // its elements' releases queue their arrays here
  }
  draining = nullptr;
}

namespace {

[[noreturn]] void cannotConvert(uint16_t from, const char* to) {
  throw ScriptError(ErrorKind::Exception, "Could not convert variant of type (" +
                                              varTypeName(from) + ") into type (" + to + ")");
}

}  // namespace

void Value::setHeap(HeapObj* o, uint16_t vt) noexcept {
  if (heap_) release();
  u_.o = o;
  setTag(vt);
  heap_ = o ? 1 : 0;
  aux_ = 0;
}

Value Value::integer(int64_t v, VarType t) noexcept {
  Value r;
  r.u_.i = v;
  r.vt_ = t;
  return r;
}

Value Value::real(double v, VarType t) noexcept {
  Value r;
  r.u_.d = v;
  r.vt_ = t;
  return r;
}

Value Value::boolean(bool v) noexcept { return integer(v ? 1 : 0, varBoolean); }

Value Value::null() noexcept {
  Value r;
  r.vt_ = varNull;
  return r;
}

// A set is kSetBytes of element bits (bit n of byte n / 8); empty is the empty set.
Value Value::setOf(uint64_t elements) {
  std::string bits(kSetBytes, '\0');
  for (size_t i = 0; i < sizeof elements; ++i) bits[i] = static_cast<char>((elements >> (8 * i)) & 0xFFu);
  return string(std::move(bits));
}

uint64_t Value::setElements() const {
  const StrObj* s = asStr(*this);
  if (!s || s->s.size() != kSetBytes) return 0;
  uint64_t elements = 0;
  for (size_t i = 0; i < sizeof elements; ++i) elements |= uint64_t{static_cast<unsigned char>(s->s[i])} << (8 * i);
  return elements;
}

Value Value::heapString(std::string_view s) {
  Value r;
  r.setHeap(new StrObj(s), varString);
  return r;
}

Value Value::string(std::string&& s) {
  Value r;
  if (s.size() <= kInlineTextBytes) r.setInlineText(varString, s.data(), s.size());
  else r.setHeap(new StrObj(std::move(s)), varString);
  return r;
}

Value Value::wideString(std::u16string_view s) {
  Value r;
  if (s.size() * sizeof(char16_t) <= kInlineTextBytes) r.setInlineText(varOleStr, s.data(), s.size() * sizeof(char16_t));
  else r.setHeap(new WStrObj(s), varOleStr);
  return r;
}

Value Value::wideString(std::u16string&& s) {
  Value r;
  if (s.size() * sizeof(char16_t) <= kInlineTextBytes) r.setInlineText(varOleStr, s.data(), s.size() * sizeof(char16_t));
  else r.setHeap(new WStrObj(std::move(s)), varOleStr);
  return r;
}

Value Value::wideFromUtf8(std::string_view utf8) { return wideString(utf8ToUtf16(utf8)); }

Value Value::newVarArray(int64_t low, int64_t high) {
  auto* a = new ArrObj();
  Value r;
  r.setHeap(a, varArray | varVariant);
  a->low = low;
  if (high >= low) a->resize(static_cast<size_t>(high - low + 1));
  return r;
}

bool Value::isReal() const noexcept {
  return vt_ == varSingle || vt_ == varDouble || vt_ == varCurrency || vt_ == varDate;
}

std::string_view Value::heapRawString() const noexcept {
  StrObj* s = asStr(*this);
  return s ? std::string_view(s->s) : std::string_view();
}

std::u16string_view Value::rawWideString() const noexcept {
  if (!heap_)
    return vt_ == varOleStr ? std::u16string_view(reinterpret_cast<const char16_t*>(inlineBytes()), inlineSize() / sizeof(char16_t))
                            : std::u16string_view();
  WStrObj* s = asWStr(*this);
  return s ? std::u16string_view(s->s) : std::u16string_view();
}

int64_t Value::toIntSlow() const {
  if (vt_ == varBoolean) return u_.i ? -1 : 0;
  if (isReal()) return static_cast<int64_t>(std::nearbyint(u_.d));
  switch (vt_) {
    case varEmpty: return 0;
    case varString:
    case varOleStr: {
      int64_t r = 0;
      if (!parseInt64(toString(), r)) throw ScriptError(ErrorKind::Exception, "Invalid variant type cast");
      return r;
    }
    default: cannotConvert(vt_, "Int64");
  }
}

double Value::toReal() const {
  if (vt_ == varBoolean) return u_.i ? -1.0 : 0.0;
  if (isInteger()) return static_cast<double>(u_.i);
  if (isReal()) return u_.d;
  switch (vt_) {
    case varEmpty: return 0.0;
    case varString:
    case varOleStr: {
      double d = 0;
      if (!parseReal(toString(), d)) throw ScriptError(ErrorKind::Exception, "Invalid variant type cast");
      return d;
    }
    default: cannotConvert(vt_, "Double");
  }
}

bool Value::toBool() const {
  if (vt_ == varEmpty) return false;
  if (isInteger()) return u_.i != 0;
  if (isReal()) return u_.d != 0.0;
  if (vt_ == varString || vt_ == varOleStr) {
    int64_t i = 0;
    if (parseInt64(toString(), i)) return i != 0;
    throw ScriptError(ErrorKind::Exception, "Type Mismatch");
  }
  cannotConvert(vt_, "Boolean");
}

std::string Value::toString() const {
  switch (vt_) {
    case varEmpty: return {};
    case varString: return std::string(rawString());
    case varOleStr: return utf16ToAnsi(rawWideString());
    case varBoolean: return u_.i ? "True" : "False";
    default: break;
  }
  if (isInteger()) return std::to_string(u_.i);
  if (isReal()) return rtlFloatToStr(u_.d);
  cannotConvert(vt_, "String");
}

std::u16string Value::toWideString() const {
  if (vt_ == varOleStr) return std::u16string(rawWideString());
  return ansiToUtf16(toString());
}

int64_t Value::arrayLow() const noexcept {
  ArrObj* a = asArr(*this);
  return a ? a->low : 0;
}

int64_t Value::arrayHigh() const noexcept {
  ArrObj* a = asArr(*this);
  return a ? a->low + static_cast<int64_t>(a->items.size()) - 1 : -1;
}

const Value& Value::arrayAt(int64_t index) const {
  ArrObj* a = asArr(*this);
  if (!a) throw ScriptError(ErrorKind::Exception, "Invalid argument: " + varTypeName(vt_));
  int64_t i = index - a->low;
  if (i < 0 || i >= static_cast<int64_t>(a->items.size()))
    throw ScriptError(ErrorKind::Exception, "Variant array bounds error");
  return a->items[static_cast<size_t>(i)];
}

const Value* Value::arrayElement(int64_t index) const noexcept {
  ArrObj* a = asArr(*this);
  if (!a) return nullptr;
  int64_t i = index - a->low;
  if (i < 0 || i >= static_cast<int64_t>(a->items.size())) return nullptr;
  return &a->items[static_cast<size_t>(i)];
}

void Value::arraySet(int64_t index, const Value& v) {
  ArrObj* a = asArr(*this);
  if (!a) throw ScriptError(ErrorKind::Exception, "Invalid argument: " + varTypeName(vt_));
  if (a->refs != 1) a = uniqueArr(*this);
  int64_t i = index - a->low;
  if (i < 0 || i >= static_cast<int64_t>(a->items.size()))
    throw ScriptError(ErrorKind::Exception, "Variant array bounds error");
  // A variant array cannot hold an 8-bit string: it is stored as OleStr.
  if (v.type() == varString && a->typeId < 0)
    a->items[static_cast<size_t>(i)] = wideValueOfAnsi(v.rawString());
  else
    a->items[static_cast<size_t>(i)] = v;
}

void Value::arraySetBytes(int64_t first, const uint8_t* bytes, size_t count) {
  ArrObj* a = asArr(*this);
  if (!a) throw ScriptError(ErrorKind::Exception, "Invalid argument: " + varTypeName(vt_));
  if (a->refs != 1) a = uniqueArr(*this);
  const int64_t i = first - a->low;
  if (i < 0 || i > static_cast<int64_t>(a->items.size()) || count > a->items.size() - static_cast<size_t>(i))
    throw ScriptError(ErrorKind::Exception, "Variant array bounds error");
  Value* item = a->items.data() + i;
  for (size_t k = 0; k < count; ++k) item[k].setRaw(bytes[k], varByte);
}

ArrObj* uniqueArr(Value& v) {
  ArrObj* a = asArr(v);
  if (!a || a->refs == 1) return a;
  auto* copy = new ArrObj(*a);
  copy->refs = 1;
  v.setHeap(copy, v.type());
  return copy;
}

// An inline text moves to a heap object here: its callers change the text in place.
StrObj* uniqueStr(Value& v) {
  StrObj* s = asStr(v);
  if (s && s->refs == 1) return s;
  auto* copy = new StrObj(v.rawString());
  v.setHeap(copy, varString);
  return copy;
}

WStrObj* uniqueWStr(Value& v) {
  WStrObj* s = asWStr(v);
  if (s && s->refs == 1) return s;
  auto* copy = new WStrObj(v.rawWideString());
  v.setHeap(copy, varOleStr);
  return copy;
}

std::string varTypeName(uint16_t vt) {
  if (vt & varArray) return "Array of " + varTypeName(vt & 0x0FFF);
  switch (vt) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallInt: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr: return "OleStr";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varString: return "String";
    default: return "Unknown";
  }
}

std::string errorText(ErrorKind kind, const std::string& param) {
  static const char* const kTexts[kErrorKindCount] = {
      "No Error", "Cannot Import %s", "Invalid Type", "Internal error", "Invalid Header",
      "Invalid Opcode", "Invalid Opcode Parameter", "no Main Proc", "Out of Global Vars range",
      "Out of Proc Range", "Out Of Range", "Out Of Stack Range", "Type Mismatch",
      "Unexpected End Of File", "Version error", "divide by Zero", "Math error",
      "Could not call proc", "Out of Record Fields Range", "Out Of Memory", "Exception: %s",
      "Null Pointer Exception", "Null variant error", "Interface not supported", ""};
  int k = static_cast<int>(kind);
  if (k < 0 || k >= kErrorKindCount) return "Unknown error";
  if (kind == ErrorKind::CustomError) return param;
  std::string t = kTexts[k];
  auto at = t.find("%s");
  if (at != std::string::npos) return t.replace(at, 2, param);
  if (kind == ErrorKind::CouldNotCallProc && !param.empty()) t += " (" + param + ")";
  return t;
}

}  // namespace pscript
