// The data object: one loaded data file with its layout and records.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "DataItem.h"
#include "LayoutReader.h"

namespace tarno {

class TDataObject {
 public:
  // Reads the layout of dataFileName (a bare name) from the settings file.
  // Throws FileError when the settings file cannot be read.
  TDataObject(const std::string& settingsPath, const std::string& dataFileName);
  // A data object over a layout read elsewhere, without records.
  explicit TDataObject(Layout layout);

  void ReadLayout(const std::string& settingsPath, const std::string& dataFileName);
  bool HasLayout() const { return !Items.empty(); }
  int32_t RecordSize() const;

  // Record file codec. Loading throws AssertionError on a size mismatch and
  // FileError when the file cannot be opened; saving replaces the file whole.
  bool LoadFromFile(const std::string& path);
  bool LoadFromStream(std::istream& stream);
  bool SaveToFile(const std::string& path, bool regenerateChecksums);
  bool SaveToStream(std::ostream& stream, bool regenerateChecksums);

  // Checksum fields.
  bool UpdateChecksums();
  bool ComputeChecksum(size_t recordIndex, size_t entryIndex);

  // Text dump.
  bool ExportToText(const std::string& path, bool regenerateChecksums);
  std::string ExportToString() const;
  bool ImportFromText(const std::string& path);
  bool ImportFromString(std::string_view dump);

  std::vector<TDataItem> Items;
  bool HasHeader = false;
  uint32_t Header = kDefaultHeader;
  std::vector<TDataByteArray> Records;
  std::string LastError;  // the last script failure of a conversion
};

}  // namespace tarno
