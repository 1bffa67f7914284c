// TBits of the classes import library: a growable array of flags.
#include "ClassLibraries.h"
#include "ClassLibraryHelpers.h"

#include <stdexcept>
#include <vector>

namespace tarno {

using pscript::NativeCall;
using namespace classlib;

namespace {
constexpr int64_t kMaxBits = int64_t{1} << 24;  // keeps a script from asking for gigabytes

struct BitsObject : pscript::ScriptObject {
  std::vector<bool> bits;
};

BitsObject& Bits(NativeCall& c) { return Self<BitsObject>(c); }

int64_t CheckedBit(int64_t index) {
  if (index < 0 || index >= kMaxBits) throw std::runtime_error("Invalid bit index : " + std::to_string(index));
  return index;
}

void GetBit(NativeCall& c) {
  int64_t i = CheckedBit(IntArg(c, 1));
  const auto& bits = Bits(c).bits;
  c.result().setInt(i < static_cast<int64_t>(bits.size()) && bits[static_cast<size_t>(i)]);
}
void SetBit(NativeCall& c) {
  int64_t i = CheckedBit(IntArg(c, 1));
  auto& bits = Bits(c).bits;
  if (i >= static_cast<int64_t>(bits.size())) bits.resize(static_cast<size_t>(i) + 1);
  bits[static_cast<size_t>(i)] = BoolArg(c, 2);
}
void GetSize(NativeCall& c) { ReturnInt(c, static_cast<int64_t>(Bits(c).bits.size())); }
void SetSize(NativeCall& c) {
  int64_t n = IntArg(c, 1);
  if (n < 0 || n > kMaxBits) throw std::runtime_error("Invalid bit index : " + std::to_string(n));
  Bits(c).bits.resize(static_cast<size_t>(n));
}
// The first clear bit; the size when every bit is set.
void OpenBit(NativeCall& c) {
  const auto& bits = Bits(c).bits;
  size_t i = 0;
  while (i < bits.size() && bits[i]) ++i;
  ReturnInt(c, static_cast<int64_t>(i));
}

const Member kBitsMethods[] = {{"function OpenBit: Integer;", "OpenBit", OpenBit}};
const Property kBitsProperties[] = {
    {"property Bits[Index: Integer]: Boolean read write;", "Bits", GetBit, SetBit},
    {"property Size: Integer read write;", "Size", GetSize, SetSize},
};

std::unique_ptr<pscript::ScriptObject> NewBits() { return std::make_unique<BitsObject>(); }
}  // namespace

void DeclareBitsClass(pscript::Compiler& compiler) {
  compiler.addClass("TBits", "TObject");
  DeclareMembers(compiler, "TBits", kBitsMethods, kBitsProperties);
}

void BindBitsClass(pscript::ClassImporter& importer) {
  importer.registerClass("TBits", "TObject", NewBits);
  BindMembers(importer, "TBits", kBitsMethods, kBitsProperties);
}

}  // namespace tarno
