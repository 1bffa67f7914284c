// A text dump of any content read into records of several shapes.
#include <cstdlib>

#include "FuzzLayouts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  tarno::TDataObject object = FuzzObject("[F]\nHEADER = 1\nITEM = A, 3, 1, , , 1\n");
  object.Records.assign(data[0] % 8, tarno::TDataByteArray(3, 0));
  const std::string_view dump(reinterpret_cast<const char*>(data + 1), size - 1);
  if (object.ImportFromString(dump)) {
    // What imported exports to a dump that imports to the same records.
    const auto records = object.Records;
    if (!object.ImportFromString(object.ExportToString()) || object.Records != records) std::abort();
  }
  return 0;
}
