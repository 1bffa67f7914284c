#include "CsvText.h"

#include <algorithm>

namespace tarno::editing {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kQuote = '"';
constexpr char kSeparator = ',';

bool NeedsQuotes(std::string_view field) {
  if (field.empty()) return false;
  if (field.front() == ' ' || field.back() == ' ') return true;  // spreadsheets trim bare blanks
  // At the start of the text a bare one would be read as the byte order mark.
  if (field.substr(0, kByteOrderMark.size()) == kByteOrderMark) return true;
  return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

// The length of the UTF-8 sequence at text[i], or 0 when it is malformed
// (overlong forms, surrogates and values above U+10FFFF included).
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

void CheckUtf8(std::string_view text) {
  int line = 1;
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0)
      throw CsvError("Line " + std::to_string(line) + " of the CSV is not UTF-8 text (save it as UTF-8)");
    if (text[i] == '\n') ++line;
    i += length;
  }
}

class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {}

  std::vector<CsvRow> Rows() {
    std::vector<CsvRow> rows;
    while (pos_ < text_.size()) rows.push_back(Row());
    return rows;
  }

 private:
  CsvRow Row() {
    CsvRow row{line_, {}};
    while (true) {
      row.fields.push_back(Field());
      if (AtEnd()) return row;
      if (text_[pos_] == kSeparator) {
        ++pos_;
        continue;
      }
      SkipLineEnd();
      return row;
    }
  }

  std::string Field() { return !AtEnd() && text_[pos_] == kQuote ? QuotedField() : PlainField(); }

  std::string PlainField() {
    const size_t start = pos_;
    while (!AtEnd() && !AtFieldEnd()) {
      if (text_[pos_] == kQuote) Fail("a quote inside a field that does not begin with one");
      ++pos_;
    }
    return std::string(text_.substr(start, pos_ - start));
  }

  std::string QuotedField() {
    const int opened = line_;
    std::string field;
    ++pos_;
    while (true) {
      if (AtEnd()) throw CsvError("Line " + std::to_string(opened) + " of the CSV opens a quote that never closes");
      const char c = text_[pos_++];
      if (c == kQuote) {
        if (!AtEnd() && text_[pos_] == kQuote) {
          field += kQuote;
          ++pos_;
          continue;
        }
        if (!AtEnd() && !AtFieldEnd()) Fail("text after a closing quote");
        return field;
      }
      if (c == '\n' || (c == '\r' && (AtEnd() || text_[pos_] != '\n'))) ++line_;
      field += c;
    }
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  bool AtFieldEnd() const { return text_[pos_] == kSeparator || text_[pos_] == '\r' || text_[pos_] == '\n'; }

  void SkipLineEnd() {
    if (text_[pos_] == '\r') ++pos_;
    if (!AtEnd() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw CsvError("Line " + std::to_string(line_) + " of the CSV has " + what);
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

void AppendCsvRow(std::string& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += kSeparator;
    const std::string& field = fields[i];
    if (!NeedsQuotes(field)) {
      out += field;
      continue;
    }
    out += kQuote;
    for (const char c : field) {
      if (c == kQuote) out += kQuote;
      out += c;
    }
    out += kQuote;
  }
  out += "\r\n";
}

std::vector<CsvRow> ParseCsv(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  CheckUtf8(text);
  return CsvReader(text).Rows();
}

std::vector<CsvRow> ParseCsvTable(std::string_view text) {
  std::vector<CsvRow> rows = ParseCsv(text);
  const auto allEmpty = [](const CsvRow& row) {
    return std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& field) { return field.empty(); });
  };
  rows.erase(std::remove_if(rows.begin(), rows.end(), allEmpty), rows.end());
  for (const CsvRow& row : rows)
    if (row.fields.size() != rows.front().fields.size())
      throw CsvError("Line " + std::to_string(row.line) + " of the CSV has " + std::to_string(row.fields.size()) +
                     " fields, the header " + std::to_string(rows.front().fields.size()));
  return rows;
}

}  // namespace tarno::editing
