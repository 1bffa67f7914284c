// The data object: one loaded data file with its layout and records.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"
#include "DataItem.h"
#include "DatabaseLayout.h"
#include "LayoutReader.h"
#include "ScriptObject.h"

namespace tarno {

struct LoadedDatabase;

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
  // A channel database's layout loads and saves through DatabaseFile.h
  // instead, which throws DatabaseError.
  bool LoadFromFile(const std::string& path);
  bool LoadFromStream(std::istream& stream);
  bool SaveToFile(const std::string& path, bool regenerateChecksums);
  bool SaveToStream(std::ostream& stream, bool regenerateChecksums);

  // Checksum fields.
  bool UpdateChecksums();
  bool ComputeChecksum(size_t recordIndex, size_t entryIndex);

  // Text dump. An import takes a dump of exactly the header (where the layout
  // has one) and one line per record, or refuses it whole with ImportError
  // naming the line.
  bool ExportToText(const std::string& path, bool regenerateChecksums);
  std::string ExportToString() const;
  bool ImportFromText(const std::string& path);
  bool ImportFromString(std::string_view dump);

  // Record and grid conversion. A grid matches the records when it has one
  // column more than the layout has entries and one row more than there are records.
  // FillGrid raises GridLimitError for more records than a cell tag can name.
  void FillGrid(grid::CellStore* grid);
  bool CellFromData(grid::CellStore* grid, int column, bool useRowIndex, int row);
  bool CellToData(grid::CellStore* grid, int column, bool useRowIndex, int row);
  // Why a cell cannot take text typed into it ("Name '...' is too long: at
  // most 5 characters fit"); empty when it can, or when only storing will tell.
  std::string CellTextRefusal(const grid::CellStore* grid, int column, int row, const std::string& text);
  // Stores the grid back: edited cells through TextToData, the others keep their
  // fields' bytes. In displayed order, moved rows take their whole records with
  // them and the cells are tagged with their new record positions.
  bool GridToRecords(grid::CellStore* grid, bool useDisplayedOrder);
  bool ClearRow(grid::CellStore* grid, int row);
  bool AddRecord(grid::CellStore* grid);
  bool DeleteLastRecord(grid::CellStore* grid);
  void DataToText(int entryIndex, int recordIndex, std::u16string& text);
  // Stores the text, or leaves the record as it was and returns false; text a
  // text field has no room for leaves the reason in LastRefusal.
  bool TextToData(int entryIndex, int recordIndex, const std::u16string& text);
  // The reason TextToData would give for refusing text as too long, the record left alone.
  std::string TextRefusal(int entryIndex, int recordIndex, const std::u16string& text);
  bool SetDefault(int entryIndex, int recordIndex);
  // The grid column of each entry is exactly 1 to N; otherwise the grid stays empty.
  bool HasCompleteColumnMap() const;

  std::vector<TDataItem> Items;
  bool HasHeader = false;
  uint32_t Header = kDefaultHeader;
  std::vector<TDataByteArray> Records;
  std::string LastError;    // the last script failure of a conversion
  std::string LastRefusal;  // why the last text stored was too long for its field
  std::string ImportError;  // why the last dump import was refused
  // A channel database's layout (DATABASE = ...); none for a file of records.
  std::optional<DatabaseLayout> Database;
  // The services as loaded or last saved, which a save compares the records with.
  std::shared_ptr<const LoadedDatabase> LoadedServices;

 private:
  bool GridMatches(const grid::CellStore* grid) const;
  std::vector<int> ColumnMap() const;
};

// A file with more records than the grid's cell tags can address.
class GridLimitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tarno
