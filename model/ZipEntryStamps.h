// The DOS time and date stamps of a zip archive's entries, read and set in its
// bytes. The zip library keeps an entry's time as a calendar time and writes it
// back converted, which changes stamps no calendar time gives: the newer sets
// stamp every entry with date 0. Entries not replaced keep their stamps by
// setting them again in the written bytes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tarno {

struct ZipStamp {
  uint16_t time = 0;
  uint16_t date = 0;
  bool operator==(const ZipStamp&) const = default;
};

// The stamp of each entry by its stored name, from the central directory; the
// entries up to the first damaged record when the directory is damaged.
std::map<std::string, ZipStamp> EntryStamps(std::string_view zip);

// Sets the stamps of the entries named, in the central directory and in the
// entries' local headers; other entries, and records that do not hold
// together, are left as they are.
void SetEntryStamps(std::string& zip, const std::map<std::string, ZipStamp>& stamps);

}  // namespace tarno
