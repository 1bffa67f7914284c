// Facts about compile-time types that code generation needs.
#include "types.h"

namespace pscript {

int32_t narrowKind(const Type* t) {
  switch (t->kind) {
    case TK::ShortInt: return static_cast<int32_t>(IntKind::I8);
    case TK::Byte: case TK::Char: return static_cast<int32_t>(IntKind::U8);
    case TK::SmallInt: return static_cast<int32_t>(IntKind::I16);
    case TK::Word: case TK::WideChar: return static_cast<int32_t>(IntKind::U16);
    case TK::Integer: return static_cast<int32_t>(IntKind::I32);
    case TK::Cardinal: return static_cast<int32_t>(IntKind::U32);
    default: return -1;
  }
}

int32_t ordinalNarrowKind(const Type* t) {
  switch (t->kind) {
    case TK::Boolean:
      return static_cast<int32_t>(t->boolBytes == 2 ? IntKind::U16 : t->boolBytes == 4 ? IntKind::U32 : IntKind::U8);
    case TK::Enum:
      return static_cast<int32_t>(t->high <= UINT8_MAX ? IntKind::U8 : t->high <= UINT16_MAX ? IntKind::U16 : IntKind::U32);
    default: return narrowKind(t);
  }
}

int64_t wrapTo(const Type* t, int64_t v) {
  switch (t->kind) {
    case TK::Byte: case TK::Char: return static_cast<uint8_t>(v);
    case TK::ShortInt: return static_cast<int8_t>(v);
    case TK::Word: case TK::WideChar: return static_cast<uint16_t>(v);
    case TK::SmallInt: return static_cast<int16_t>(v);
    case TK::Integer: return static_cast<int32_t>(v);
    case TK::Cardinal: return static_cast<uint32_t>(v);
    default: return v;
  }
}

int32_t variantCode(const Type* t) {
  switch (t->kind) {
    case TK::Byte: return varByte;
    case TK::ShortInt: return varShortInt;
    case TK::Word: return varWord;
    case TK::SmallInt: return varSmallInt;
    case TK::Integer: return varInteger;
    case TK::Enum: return varByte;
    case TK::Cardinal: return varLongWord;
    case TK::Int64: return varInt64;
    case TK::Boolean:
      return t->boolBytes == 0 ? varBoolean : t->boolBytes == 1 ? varByte : t->boolBytes == 2 ? varWord : varLongWord;
    case TK::Char: case TK::WideChar: return kVtChar;
    case TK::Real: return t->realVt == varCurrency ? varCurrency : varDouble;
    case TK::String: return varString;
    case TK::WideString: return varOleStr;
    case TK::DynArray: case TK::OpenArray: case TK::ArrayOfConst: return varArray | varVariant;
    default: return varEmpty;
  }
}

int64_t storageSize(const Type* t) {
  switch (t->kind) {
    case TK::Boolean: return t->boolBytes == 0 ? 1 : t->boolBytes;
    case TK::Byte: case TK::ShortInt: case TK::Char: case TK::Enum: return 1;
    case TK::Word: case TK::SmallInt: case TK::WideChar: return 2;
    case TK::Integer: case TK::Cardinal: return 4;
    case TK::Int64: return 8;
    case TK::Real: return t->realVt == varSingle ? 4 : t->name == "Extended" ? 10 : 8;
    case TK::Variant: return 16;
    case TK::StaticArray: return (t->high - t->low + 1) * storageSize(t->elem);
    case TK::Record: {
      int64_t s = 0;
      for (const auto& f : t->fields) s += storageSize(f.type);
      return s;
    }
    default: return 8;
  }
}

namespace {

bool signaturesMatch(const ProcSig& a, const ProcSig& b, bool constIsValue) {
  if (a.params.size() != b.params.size() || (a.result == nullptr) != (b.result == nullptr)) return false;
  if (a.result && !sameType(a.result, b.result)) return false;
  auto mode = [&](ParamMode m) { return constIsValue && m == ParamMode::Const ? ParamMode::Value : m; };
  for (size_t i = 0; i < a.params.size(); ++i)
    if (mode(a.params[i].mode) != mode(b.params[i].mode) || !sameType(a.params[i].type, b.params[i].type)) return false;
  return true;
}

}  // namespace

bool sameSignature(const ProcSig& a, const ProcSig& b) { return signaturesMatch(a, b, false); }

bool sameType(const Type* a, const Type* b) {
  if (a == b) return true;
  if (a->kind != b->kind) return false;
  switch (a->kind) {
    case TK::DynArray: case TK::OpenArray: return sameType(a->elem, b->elem);
    case TK::Set:
      // set constructors are typed by their elements; [] fits every set
      if (!a->elem || !b->elem) return true;
      return sameType(a->elem, b->elem) || (isInteger(a->elem) && isInteger(b->elem)) ||
             ((a->elem->kind == TK::Char || a->elem->kind == TK::WideChar) && (b->elem->kind == TK::Char || b->elem->kind == TK::WideChar));
    case TK::ProcPtr:  // declared procedural types are distinct even with one signature
      // const and value parameters count as one here, as in the reference
      return (a->routineAddress || b->routineAddress) && a->sig && b->sig && signaturesMatch(*a->sig, *b->sig, true);
    case TK::Record: case TK::StaticArray: case TK::Enum: case TK::Interface: case TK::Class: return false;
    case TK::Real: return true;
    default: return true;
  }
}

}  // namespace pscript
