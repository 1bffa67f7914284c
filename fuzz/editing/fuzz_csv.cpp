// CSV text of any content: read as a spreadsheet gives it back, imported into a
// small channel list and read as a reference list. Whatever parses writes back
// to text that parses to the same fields; an import either fails before the
// grid changed or leaves every record shown exactly once.
#include <algorithm>
#include <cstdlib>

#include "ChannelList.h"
#include "CsvExchange.h"
#include "GridRecords.h"

namespace {

constexpr int kRecords = 4;

tarno::TDataObject MakeChannelObject() {
  const char* const settings =
      "[F]\nITEM = Nr, 2, 2, #, $00, 1\nITEM = Name, 4, 1, /, $00, 2\nITEM = SID, 2, 2, #, , 3\n"
      "ITEM = In use, 1, 1, #, $00, 4\nITEM = Note, 2, 1, $, , -5\n";
  tarno::TDataObject data(tarno::ReadLayoutFrom(settings, "F"));
  for (int r = 0; r < kRecords; ++r)
    data.Records.push_back({static_cast<uint8_t>(r), 0, 'a', 'b', 0, 0, static_cast<uint8_t>(r), 0, 1, 7, 7});
  return data;
}

// Made once: every input starts from a copy.
const tarno::TDataObject& ChannelObject() {
  static const tarno::TDataObject channels = MakeChannelObject();
  return channels;
}

void CheckRewrite(const std::vector<tarno::editing::CsvRow>& rows) {
  std::string text;
  for (const auto& row : rows) tarno::editing::AppendCsvRow(text, row.fields);
  const auto again = tarno::editing::ParseCsv(text);
  if (again.size() != rows.size()) std::abort();
  for (size_t i = 0; i < rows.size(); ++i)
    if (again[i].fields != rows[i].fields) std::abort();
}

void CheckImport(std::string_view text) {
  tarno::TDataObject data = ChannelObject();
  tarno::grid::CellStore cells;
  data.FillGrid(&cells);
  try {
    tarno::editing::ImportCsv(data, cells, text);
  } catch (const tarno::editing::CsvError&) {
    return;
  }
  if (!tarno::editing::GridShowsRecords(data, cells)) std::abort();
  std::vector<int> shown;
  for (int row = 1; row < cells.RowCount(); ++row) shown.push_back(tarno::editing::RecordShownBy(cells, row));
  std::sort(shown.begin(), shown.end());
  for (int r = 0; r < kRecords; ++r)
    if (shown[static_cast<size_t>(r)] != r) std::abort();
}

void CheckReference(std::string_view text) {
  try {
    tarno::editing::ListCsvChannels(text, ChannelObject().Items);
  } catch (const tarno::editing::CsvError&) {
  } catch (const tarno::editing::ChannelListError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    CheckRewrite(tarno::editing::ParseCsv(text));
  } catch (const tarno::editing::CsvError&) {
  }
  CheckImport(text);
  CheckReference(text);
  return 0;
}
