// Compile-time types of the dialect.
#pragma once

#include "opcodes.h"

#include <pscript/value.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pscript {

enum class TK : uint8_t {
  Void, Byte, ShortInt, Word, SmallInt, Integer, Cardinal, Int64,  // integers
  Boolean, Char, WideChar, Enum, Real, String, WideString, Variant,
  DynArray, StaticArray, Record, OpenArray, ArrayOfConst, Set, ProcPtr, Class, Nil,
  Interface,  // elem: the parent interface (nullptr for IUnknown)
};

struct Type;

struct Field {
  std::string name;  // upper case
  Type* type = nullptr;
};

struct ProcSig;
struct ClassInfo;

struct Type {
  TK kind = TK::Void;
  std::string name;             // as declared, for messages
  Type* elem = nullptr;         // arrays, sets
  int64_t low = 0, high = -1;   // static arrays; enum range
  std::vector<Field> fields;    // records
  VarType realVt = varDouble;   // Single/Double/Extended/Currency
  int32_t runtimeType = -1;     // module type index for aggregates
  const ProcSig* sig = nullptr; // procedural types
  int boolBytes = 0;            // ByteBool 1, WordBool 2, LongBool 4; 0 for Boolean
  bool routineAddress = false;  // the type of @Routine: fits every procedural type of its signature
  ClassInfo* cls = nullptr;     // imported classes
};

enum class ParamMode : uint8_t { Value, Const, Var, Out };

struct Param {
  std::string name;
  Type* type = nullptr;
  ParamMode mode = ParamMode::Value;
  bool byRef() const { return mode == ParamMode::Var || mode == ParamMode::Out; }
};

struct ProcSig {
  std::string name;       // as declared
  std::vector<Param> params;
  Type* result = nullptr; // nullptr: procedure
};

inline bool isInteger(const Type* t) { return t->kind >= TK::Byte && t->kind <= TK::Int64; }
inline bool isOrdinal(const Type* t) {
  return isInteger(t) || t->kind == TK::Boolean || t->kind == TK::Char || t->kind == TK::WideChar || t->kind == TK::Enum;
}
inline bool isStringLike(const Type* t) {
  return t->kind == TK::String || t->kind == TK::Char || t->kind == TK::WideString || t->kind == TK::WideChar;
}
inline bool isAggregate(const Type* t) { return t->kind == TK::Record || t->kind == TK::StaticArray; }
inline bool isArray(const Type* t) {
  return t->kind == TK::DynArray || t->kind == TK::StaticArray || t->kind == TK::OpenArray || t->kind == TK::ArrayOfConst;
}

inline bool isNumeric(const Type* t) { return isInteger(t) || t->kind == TK::Real; }

// The Narrow kind for an integer type, or -1 when no narrowing applies.
int32_t narrowKind(const Type* t);
// The Narrow kind for any ordinal type's storage (Char, Boolean, enums too).
int32_t ordinalNarrowKind(const Type* t);
// An integer constant wrapped into an integer type, as a store wraps it.
int64_t wrapTo(const Type* t, int64_t v);
// The variant type code a value of this type gets when stored in a Variant.
int32_t variantCode(const Type* t);
// Storage size as SizeOf reports it.
int64_t storageSize(const Type* t);
bool sameType(const Type* a, const Type* b);
// Same parameter modes and types, same result: forward bodies, procedural values.
bool sameSignature(const ProcSig& a, const ProcSig& b);

}  // namespace pscript
