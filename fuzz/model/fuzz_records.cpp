// A data file of any content against a layout with every kind of checksum:
// loading either fails cleanly or gives whole records that save back unchanged.
#include <cstdlib>
#include <sstream>

#include "Errors.h"
#include "FuzzLayouts.h"

namespace {

// Every kind of checksum and a header, so regeneration runs over any bytes.
const char* const kLayouts[] = {
    "[F]\nHEADER = $81\nITEM = A, 11, 1, , , 1\nITEM = P, 1, 1, !CRCPTCCABLE, , 2\n",
    "[F]\nITEM = A, 24, 1, , , 1\nITEM = T, 1, 1, !CRCFINETUNE, , 2\n",
    "[F]\nITEM = A, 3, 1, , , 1\nITEM = C, 2, 2, ^, , 2\n",
    "[F]\nHEADER = 0\nITEM = C, 1, 1, /, , 1\n",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  tarno::TDataObject object = FuzzObject(kLayouts[data[0] % 4]);
  const std::string content(reinterpret_cast<const char*>(data + 1), size - 1);
  std::istringstream file(content);
  try {
    object.LoadFromStream(file);
  } catch (const tarno::AssertionError&) {
    return 0;
  }
  std::ostringstream copy;
  object.SaveToStream(copy, false);
  if (copy.str() != content) std::abort();
  object.UpdateChecksums();
  return 0;
}
