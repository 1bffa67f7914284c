// The CSV text itself: what is quoted on the way out, what is accepted on the
// way in, and which line a malformed file is reported on.
#include <gtest/gtest.h>

#include "CsvText.h"

namespace tarno::editing {
namespace {

using Fields = std::vector<std::string>;

std::string Written(const std::vector<Fields>& rows) {
  std::string out;
  for (const Fields& row : rows) AppendCsvRow(out, row);
  return out;
}

std::vector<Fields> FieldsOf(std::string_view text) {
  std::vector<Fields> rows;
  for (const CsvRow& row : ParseCsv(text)) rows.push_back(row.fields);
  return rows;
}

std::string ErrorOf(std::string_view text) {
  try {
    ParseCsv(text);
  } catch (const CsvError& error) {
    return error.what();
  }
  return "no error";
}

TEST(CsvText, OnlyFieldsThatNeedItAreQuotedAndQuotesAreDoubled) {
  EXPECT_EQ(Written({{"#", "Nr", "Name"}, {"1", "00011", "TVR 1"}}), "#,Nr,Name\r\n1,00011,TVR 1\r\n");
  EXPECT_EQ(Written({{"a,b", "say \"hi\"", "two\nlines", "cr\rhere"}}),
            "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\rhere\"\r\n");
  // Blanks at the ends of a name would be trimmed by a spreadsheet if bare.
  EXPECT_EQ(Written({{" lead", "trail ", "in side", ""}}), "\" lead\",\"trail \",in side,\r\n");
}

TEST(CsvText, WhatIsWrittenReadsBackAsTheSameFields) {
  const std::vector<Fields> rows = {{"#", "Name", "x"},
                                    {"1", "Crime & Investigations", ""},
                                    {"2", "Pink'O, \"the\" channel", " \xC2\xA0" "edge "},
                                    {"3", "line\r\nbreak", "Ä€😀"}};
  EXPECT_EQ(FieldsOf(Written(rows)), rows);
  // A first field that begins with the byte order mark keeps it.
  const std::vector<Fields> marked = {{"\xEF\xBB\xBF" "#", "x"}};
  EXPECT_EQ(FieldsOf(Written(marked)), marked);
}

TEST(CsvText, LineEndsOfEveryKindAByteOrderMarkAndNoLastLineEnd) {
  const std::vector<Fields> expected = {{"a", "b"}, {"c", "d"}, {"e", ""}};
  EXPECT_EQ(FieldsOf("a,b\r\nc,d\r\ne,\r\n"), expected);
  EXPECT_EQ(FieldsOf("a,b\nc,d\ne,"), expected);
  EXPECT_EQ(FieldsOf("a,b\rc,d\re,\r"), expected);
  EXPECT_EQ(FieldsOf("\xEF\xBB\xBF" "a,b\nc,d\ne,\n"), expected);
  EXPECT_TRUE(ParseCsv("").empty());
  // An empty line is a row of one empty field; the importers skip such rows.
  EXPECT_EQ(FieldsOf("a\n\nb\n"), (std::vector<Fields>{{"a"}, {""}, {"b"}}));
}

TEST(CsvText, RowsKnowTheLineTheyBeginOnPastLineBreaksInsideQuotes) {
  const std::vector<CsvRow> rows = ParseCsv("h\r\n\"one\r\ntwo\nthree\"\r\nnext\rlast\n");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].line, 1);
  EXPECT_EQ(rows[1].line, 2);
  EXPECT_EQ(rows[1].fields[0], "one\r\ntwo\nthree");
  EXPECT_EQ(rows[2].line, 5);
  EXPECT_EQ(rows[3].line, 6);
}

TEST(CsvText, MalformedTextIsAnErrorNamingItsLine) {
  EXPECT_EQ(ErrorOf("a,b\nc,d\"e\n"), "Line 2 of the CSV has a quote inside a field that does not begin with one");
  EXPECT_EQ(ErrorOf("a\n\"b\"c\n"), "Line 2 of the CSV has text after a closing quote");
  EXPECT_EQ(ErrorOf("a\nb\n\"open\nstill open"), "Line 3 of the CSV opens a quote that never closes");
  // A file saved in a single-byte code page: "Ä" as the byte C4.
  EXPECT_EQ(ErrorOf("a\nb\n\xC4rger\n"), "Line 3 of the CSV is not UTF-8 text (save it as UTF-8)");
  EXPECT_NE(ErrorOf("\xC0\xAF"), "no error");          // overlong form
  EXPECT_NE(ErrorOf("\xED\xA0\x80"), "no error");      // a UTF-16 surrogate
  EXPECT_NE(ErrorOf("\xF4\x90\x80\x80"), "no error");  // above U+10FFFF
  EXPECT_NE(ErrorOf("\xE2\x82"), "no error");          // cut short
}

}  // namespace
}  // namespace tarno::editing
