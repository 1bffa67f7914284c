// A compiled module: what the compiler produces and the loader checks.
// Its byte form is the "compiled code" string handed from compiler to Exec.
#pragma once

#include <pscript/value.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pscript {

inline constexpr uint32_t kModuleMagic = 0x43535054;  // "TPSC"
inline constexpr uint32_t kModuleVersion = 2;

enum class AggKind : uint8_t { Record, StaticArray, DynArray };

// Runtime shape of an aggregate type. elems: for a record one entry per
// field, for arrays one entry (the element type). An entry is -1 for a plain
// value or the index of an earlier aggregate type.
struct TypeDesc {
  AggKind kind = AggKind::Record;
  int64_t low = 0;
  int64_t count = 0;  // fields, or static array length
  std::vector<int32_t> elems;
};

struct Handler {
  enum Kind : uint8_t { Except, Finally };
  int32_t tryStart = 0, tryEnd = 0, handler = 0;
  Kind kind = Except;
};

struct ProcDesc {
  std::string name;          // upper case
  bool exported = false;     // callable by the host
  bool hostSignature = false;// function(var V: Variant): Boolean
  int32_t paramCount = 0;
  int32_t frameSize = 1;     // slot 0 is the result
  std::vector<int32_t> code;
  std::vector<Handler> handlers;
};

struct NativeDesc {
  std::string name;  // upper case
  int32_t argCount = 0;
  std::string external;   // an external routine: the text after "external"; else empty
  std::string signature;  // an external routine's parameter and result kinds (external.h)
};

struct ConstDesc {
  int32_t global = 0;
  Value value;
};

struct Module {
  int32_t globalCount = 0;
  std::vector<ConstDesc> constants;
  std::vector<TypeDesc> types;
  std::vector<NativeDesc> natives;
  std::vector<ProcDesc> procs;  // procs[0] initialises the globals
};

// How many Values one instance of t takes, the aggregates inside it
// included; earlier holds the counts of the types before t, which are the
// only ones t may refer to. Saturates just above kMaxAggregateValues.
int64_t typeValueCount(const TypeDesc& t, const std::vector<int64_t>& earlier);

std::string serializeModule(const Module& m);
// Parses and validates; on failure returns false with a reason.
bool deserializeModule(std::string_view bytes, Module& out, std::string& error);
bool validateModule(const Module& m, std::string& error);
std::string disassemble(const Module& m);

}  // namespace pscript
