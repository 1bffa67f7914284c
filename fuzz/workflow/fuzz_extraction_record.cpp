// Any file lying in an extraction folder under the record's name: reading it
// gives a record or none, never a crash; a record read back is written again
// to the same text.
#include <cstdlib>
#include <string>

#include "ExtractionRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto record = tarno::ParseRecord(std::string_view(reinterpret_cast<const char*>(data), size));
  if (record) {
    const auto again = tarno::ParseRecord(tarno::RecordText(*record));
    if (!again || again->files != record->files || again->archivePath != record->archivePath ||
        !(again->archive == record->archive))
      std::abort();
  }
  return 0;
}
