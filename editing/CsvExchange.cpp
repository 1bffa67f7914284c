#include "CsvExchange.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <vector>

#include "ForeignCsv.h"
#include "GridRecords.h"
#include "LayoutReader.h"

namespace tarno::editing {
namespace {

constexpr size_t kMissingRecordsNamed = 5;  // an error names this many missing records, then counts the rest

std::string LineText(int line) { return "Line " + std::to_string(line) + " of the CSV"; }

// The caption of every grid column, from column 1.
std::vector<std::string> ColumnCaptions(const TDataObject& data) {
  std::vector<std::string> captions(data.Items.size() + 1);
  for (const TDataItem& item : data.Items) captions[static_cast<size_t>(std::abs(item.Column))] = item.Name;
  return captions;
}

// The grid column of each header field after "#": the k-th use of a caption
// is the k-th column of that caption.
std::vector<int> HeaderColumns(const CsvRow& header, const std::vector<std::string>& captions) {
  std::map<std::string, int> used;
  std::vector<int> columns;
  for (size_t f = 1; f < header.fields.size(); ++f) {
    const std::string caption(TrimControls(header.fields[f]));
    int skip = used[caption]++;
    int found = 0;
    for (size_t c = 1; c < captions.size() && found == 0; ++c)
      if (captions[c] == caption && skip-- == 0) found = static_cast<int>(c);
    if (found == 0) {
      const bool repeated = used[caption] > 1;
      throw CsvError(LineText(header.line) + " names the column \"" + caption + "\"" +
                     (repeated ? " more often than the file has it" : ", which the file does not have"));
    }
    columns.push_back(found);
  }
  return columns;
}

// The record index a row's "#" names; CsvError when it names none of the file's records.
size_t RecordIndexOf(const CsvRow& row, size_t recordCount) {
  const std::string_view text = TrimControls(row.fields[0]);
  if (text.empty()) throw CsvError(LineText(row.line) + " has no record number in its \"#\" column");
  uint64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error == std::errc::result_out_of_range || (error == std::errc() && end == text.data() + text.size() &&
                                                  (number == 0 || number > recordCount)))
    throw CsvError(LineText(row.line) + " names record " + std::string(text) + ", but the file has records 1 to " +
                   std::to_string(recordCount));
  if (error != std::errc() || end != text.data() + text.size())
    throw CsvError(LineText(row.line) + " has \"" + std::string(text) + "\" as its record number");
  return static_cast<size_t>(number - 1);
}

std::string MissingRecordsText(const std::vector<size_t>& missing) {
  std::string named;
  for (size_t i = 0; i < missing.size() && i < kMissingRecordsNamed; ++i)
    named += (i > 0 ? ", " : "") + std::to_string(missing[i] + 1);
  if (missing.size() > kMissingRecordsNamed)
    named += " (and " + std::to_string(missing.size() - kMissingRecordsNamed) + " more)";
  return "The CSV does not list record" + std::string(missing.size() > 1 ? "s " : " ") + named +
         "; every record must have its row";
}

// The records in the CSV's row order, each exactly once.
std::vector<size_t> RecordOrder(const std::vector<CsvRow>& rows, size_t recordCount) {
  std::vector<int> listedOn(recordCount, 0);
  std::vector<size_t> order;
  for (size_t r = 1; r < rows.size(); ++r) {
    const CsvRow& row = rows[r];
    const size_t record = RecordIndexOf(row, recordCount);
    if (listedOn[record] != 0)
      throw CsvError(LineText(row.line) + " lists record " + std::to_string(record + 1) + " again (first on line " +
                     std::to_string(listedOn[record]) + ")");
    listedOn[record] = row.line;
    order.push_back(record);
  }
  std::vector<size_t> missing;
  for (size_t record = 0; record < recordCount; ++record)
    if (listedOn[record] == 0) missing.push_back(record);
  if (!missing.empty()) throw CsvError(MissingRecordsText(missing));
  return order;
}

void RequireMatchingGrid(const TDataObject& data, const grid::CellStore& cells) {
  if (!GridShowsRecords(data, cells))
    throw CsvError("The grid no longer has one row per record and one column per field");
}

}  // namespace

std::string ExportCsv(const TDataObject& data, const grid::CellStore& cells) {
  RequireMatchingGrid(data, cells);
  const std::vector<std::string> captions = ColumnCaptions(data);
  std::vector<int> columns;
  for (int c = 1; c < cells.ColCount(); ++c)
    if (cells.ColVisible(c)) columns.push_back(c);

  std::string out;
  std::vector<std::string> fields = {kRecordNumberCaption};
  for (const int c : columns) fields.push_back(captions[static_cast<size_t>(c)]);
  AppendCsvRow(out, fields);
  for (int row = 1; row < cells.RowCount(); ++row) {
    fields.assign(1, std::to_string(RecordShownBy(cells, row) + 1));
    for (const int c : columns) fields.emplace_back(cells.Text(c, row));
    AppendCsvRow(out, fields);
  }
  return out;
}

CsvImportResult ImportCsv(const TDataObject& data, grid::CellStore& cells, std::string_view csv) {
  RequireMatchingGrid(data, cells);
  const std::vector<CsvRow> rows = ParseCsvTable(csv);
  if (rows.empty()) throw CsvError("The CSV is empty: it needs a header row beginning with \"#\"");
  if (TrimControls(rows[0].fields[0]) != kRecordNumberCaption)
    throw CsvError(LineText(rows[0].line) + " must begin with the column \"#\" (the record number)");
  const std::vector<int> columns = HeaderColumns(rows[0], ColumnCaptions(data));
  const std::vector<size_t> order = RecordOrder(rows, data.Records.size());

  std::vector<int> rowOf(data.Records.size(), 0);  // the grid row showing each record
  for (int row = 1; row < cells.RowCount(); ++row) rowOf[static_cast<size_t>(RecordShownBy(cells, row))] = row;
  std::vector<int> sourceRows;
  CsvImportResult result;
  for (size_t i = 0; i < order.size(); ++i) {
    sourceRows.push_back(rowOf[order[i]]);
    if (sourceRows.back() != static_cast<int>(i) + 1) ++result.movedRows;
  }
  RequireCsvOfThisList(data, cells, rows, sourceRows);

  grid::CellStore::Batch batch(cells);
  cells.ArrangeRows(1, sourceRows);
  for (size_t i = 0; i < order.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const std::vector<std::string>& fields = rows[i + 1].fields;
    for (size_t f = 0; f < columns.size(); ++f) {
      if (cells.Text(columns[f], row) == fields[f + 1]) continue;  // unchanged cells keep their bytes
      cells.SetText(columns[f], row, fields[f + 1]);
      ++result.changedCells;
    }
  }
  return result;
}

}  // namespace tarno::editing
