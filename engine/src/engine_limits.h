// Every limit the engine enforces, in one place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pscript {

inline constexpr size_t kMaxIncludeDepth = 20;          // nested {$I} files
inline constexpr size_t kMaxSourceSize = 64u << 20;     // preprocessed text, bytes
inline constexpr int kMaxExprDepth = 200;               // nested expressions/statements
inline constexpr size_t kMaxStackSlots = 1u << 22;      // VM value stack (64 MB reserved)
inline constexpr size_t kMaxCallDepth = 100000;         // script call nesting
inline constexpr size_t kMaxPendingFinally = 1u << 16;   // finally parts under way at once
// Host calls into the script made while a script call runs (an event handler
// inside ShowModal inside a handler...): each one nests on the C++ stack.
inline constexpr int kMaxHostCallNesting = 64;
inline constexpr size_t kMaxFrameSlots = 1u << 16;      // slots of one procedure frame
inline constexpr size_t kMaxGlobals = 1u << 20;
inline constexpr int64_t kMaxArrayLength = 1 << 26;     // elements of one array type
// Values (16 bytes each) that one array or record may take, the records and
// static arrays inside it included: 256 MB, far beyond any field conversion,
// so that no script or module can exhaust memory with one SetLength.
inline constexpr int64_t kMaxAggregateValues = 1 << 24;
inline constexpr int64_t kMaxStringLength = 1 << 28;    // bytes of one string
inline constexpr size_t kMaxTypeCount = 1u << 16;
inline constexpr size_t kMaxTypeNesting = 64;           // aggregate within aggregate
inline constexpr size_t kMaxModuleItems = 1u << 20;     // procs, natives, constants...
inline constexpr size_t kMaxObjects = 1u << 20;         // live objects of imported classes in one Exec
// Bytes that all scripts of the process hold together: strings, arrays,
// records, objects and the data host objects keep for them.
inline constexpr size_t kMaxScriptMemory = size_t{512} << 20;
// What one object of an imported class is charged beyond the data it reports.
inline constexpr size_t kObjectCharge = 256;

}  // namespace pscript
