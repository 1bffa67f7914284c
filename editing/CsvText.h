// Comma-separated text as RFC 4180 has it: fields separated by commas, lines
// ended by CRLF, a field holding a comma, quote, line break or blanks at its
// ends written in double quotes with its quotes doubled. Reading also takes
// LF or CR line ends, a missing last line end and a UTF-8 byte order mark.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarno::editing {

// Malformed CSV text, or CSV that does not fit the file it is for; the message
// names the line.
class CsvError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CsvRow {
  int line = 0;  // the line the row starts on, from 1
  std::vector<std::string> fields;
};

// Appends one row and its CRLF.
void AppendCsvRow(std::string& out, const std::vector<std::string>& fields);

// Every row of the text, in order. Throws CsvError for a quote inside an
// unquoted field, text after a closing quote, a quote left open at the end,
// or bytes that are not UTF-8.
std::vector<CsvRow> ParseCsv(std::string_view text);

// The rows of a table: as ParseCsv, without rows whose fields are all empty
// (blank lines, a spreadsheet's empty rows); every row must have as many
// fields as the first, else CsvError.
std::vector<CsvRow> ParseCsvTable(std::string_view text);

}  // namespace tarno::editing
