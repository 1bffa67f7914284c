// Settings text of any shape: the layout reader must never crash, and whatever
// layout it accepts must be sound for the codec.
#include <cstdlib>
#include <string_view>

#include "LayoutReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"F", "map-CableD", "list.dat"}) {
    const tarno::Layout layout = tarno::ReadLayoutFrom(text, name);
    int64_t offset = 0;
    for (const tarno::TDataItem& item : layout.Items) {
      if (item.Offset != offset || item.Size < 0 || item.ElementSize < 1 || item.ElementSize > 4 ||
          item.Size % item.ElementSize != 0 || std::abs(item.Column) > 255)
        std::abort();
      offset += item.Size;
    }
  }
  return 0;
}
