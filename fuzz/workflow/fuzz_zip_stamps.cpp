// The entry stamps of any bytes taken for a zip archive: read, set again,
// and the bytes' size never changed.
#include <cstdlib>
#include <string>

#include "ZipEntryStamps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string zip(reinterpret_cast<const char*>(data), size);
  std::map<std::string, tarno::ZipStamp> stamps = tarno::EntryStamps(zip);
  for (auto& [name, stamp] : stamps) stamp = {static_cast<uint16_t>(stamp.time + 1), stamp.date};
  tarno::SetEntryStamps(zip, stamps);
  if (zip.size() != size) std::abort();
  return 0;
}
