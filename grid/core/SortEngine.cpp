#include "SortEngine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "AsciiText.h"

namespace tarno::grid {
namespace {

constexpr std::array<const char*, 12> kResultTexts = {
    "Case Sensitivity ignored for Date Sort.",
    "Case Sensitivity ignored for Numeical Sort.",
    "Column/Row contains non-date values for date sort. Sorted as Character.",
    "Column/Row contains non-numerical values for numeric sort. Sorted as Character.",
    "Ok",
    "No StringGrid given",
    "StartIndex is greater or equal to EndIndex",
    "StartIndex is less then 0",
    "StartIndex is greater then number of rows/columns in StringGrid",
    "EndIndex is greater then number of rows/columns in StringGrid",
    "Sort Index is less then 0",
    "Sort Index is greater then number of rows/columns in StringGrid",
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

size_t SkipBlanks(std::string_view text, size_t at) {
  while (at < text.size() && text[at] == ' ') ++at;
  return at;
}

// Length of the hexadecimal prefix at text[at], 0 when there is none.
size_t HexPrefixLength(std::string_view text, size_t at) {
  if (at >= text.size()) return 0;
  const char c = text[at];
  if (c == '$' || c == 'x' || c == 'X') return 1;
  if (c == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X')) return 2;
  return 0;
}

// Reads the digits from at to the end in radix; false on anything else, no
// digit at all, or a magnitude above limit.
bool ReadMagnitude(std::string_view text, size_t at, int radix, uint64_t limit, uint64_t& magnitude) {
  if (at >= text.size()) return false;
  magnitude = 0;
  for (; at < text.size(); ++at) {
    const int digit = radix == 16 ? HexDigitValue(text[at]) : (IsDigit(text[at]) ? text[at] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  return true;
}

// A key that passed the integer check, read as a decimal number; false for the
// hexadecimal forms, which the decimal conversion does not take.
bool ReadDecimalKey(std::string_view text, double& value) {
  size_t at = SkipBlanks(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (HexPrefixLength(text, at) > 0) return false;
  uint64_t magnitude = 0;
  if (!ReadMagnitude(text, at, 10, UINT64_C(1) << 31, magnitude)) return false;
  value = negative ? -static_cast<double>(magnitude) : static_cast<double>(magnitude);
  return true;
}

// Days from 0001-01-01 for a proleptic Gregorian date.
int64_t DayNumber(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const int era = y / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<int64_t>(era) * 146097 + dayOfEra;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<size_t>(month) - 1];
}

bool ReadFixedDigits(std::string_view text, size_t at, size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (!IsDigit(text[i])) return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// The Hoare quicksort with the middle entry as pivot over entries lo..hi of
// order. Character order also bubble-sorts ranges of at most five entries.
// The two parts of a partition are disjoint, so working them off a stack in
// any order gives exactly the recursive result without deep recursion.
template <class Less>
void QuickSort(std::vector<int>& order, int lo, int hi, bool bubbleSmallRanges, Less less) {
  std::vector<std::pair<int, int>> pending{{lo, hi}};
  while (!pending.empty()) {
    auto [first, last] = pending.back();
    pending.pop_back();
    if (bubbleSmallRanges && last - first < 5) {
      for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int k = first; k < last; ++k) {
          if (less(order[static_cast<size_t>(k) + 1], order[static_cast<size_t>(k)])) {
            std::swap(order[static_cast<size_t>(k)], order[static_cast<size_t>(k) + 1]);
            exchanged = true;
          }
        }
      }
      continue;
    }
    if (first >= last) continue;
    const int pivot = order[static_cast<size_t>(first + (last - first) / 2)];
    int i = first;
    int j = last;
    while (i <= j) {
      while (less(order[static_cast<size_t>(i)], pivot)) ++i;
      while (less(pivot, order[static_cast<size_t>(j)])) --j;
      if (i <= j) {
        std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(j)]);
        ++i;
        --j;
      }
    }
    pending.emplace_back(i, last);
    pending.emplace_back(first, j);
  }
}

// Writes the columns first.. as the columns that stood at sourceColumns, in every row.
void ArrangeColumns(CellStore& cells, int first, const std::vector<int>& sourceColumns) {
  CellStore::Batch batch(cells);
  struct MovedCell {
    std::string text;
    int32_t tag;
    bool edited;
  };
  std::vector<MovedCell> row(sourceColumns.size());
  for (int r = 0; r < cells.RowCount(); ++r) {
    for (size_t p = 0; p < sourceColumns.size(); ++p)
      row[p] = {std::string(cells.Text(sourceColumns[p], r)), cells.Tag(sourceColumns[p], r),
                cells.Edited(sourceColumns[p], r)};
    for (size_t p = 0; p < sourceColumns.size(); ++p) {
      const int col = first + static_cast<int>(p);
      cells.SetText(col, r, row[p].text);
      cells.SetTag(col, r, row[p].tag);
      cells.SetEdited(col, r, row[p].edited);
    }
  }
}

}  // namespace

std::string SortResultText(int code) {
  const int slot = code - kSortCaseIgnoredForDate;
  if (slot < 0 || slot >= static_cast<int>(kResultTexts.size())) return {};
  return kResultTexts[static_cast<size_t>(slot)];
}

bool PassesIntegerCheck(std::string_view text) {
  size_t at = SkipBlanks(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const size_t prefix = HexPrefixLength(text, at);
  const uint64_t limit = negative ? UINT64_C(1) << 31 : (UINT64_C(1) << 31) - 1;
  uint64_t magnitude = 0;
  return ReadMagnitude(text, at + prefix, prefix > 0 ? 16 : 10, limit, magnitude);
}

bool ReadIsoDate(std::string_view text, double& day) {
  const size_t start = SkipBlanks(text, 0);
  size_t end = text.size();
  while (end > start && text[end - 1] == ' ') --end;
  const std::string_view date = text.substr(start, end - start);
  int year = 0;
  int month = 0;
  int dayOfMonth = 0;
  if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
  if (!ReadFixedDigits(date, 0, 4, year) || !ReadFixedDigits(date, 5, 2, month) ||
      !ReadFixedDigits(date, 8, 2, dayOfMonth))
    return false;
  if (year < 1 || month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > DaysInMonth(year, month)) return false;
  day = static_cast<double>(DayNumber(year, month, dayOfMonth));
  return true;
}

void SortEngine::SetResult(int code) {
  sortResult_ = code;
  sortMessage_ = SortResultText(code);
}

void SortEngine::Report(SortMessageKind kind) const {
  if (ShowMessageOnError && OnMessage) OnMessage(kind, sortMessage_);
}

int SortEngine::Validate(const CellStore& cells) const {
  const bool rows = HowToSort == SortAxis::stRow;
  const int count = rows ? cells.RowCount() : cells.ColCount();
  const int keyCount = rows ? cells.ColCount() : cells.RowCount();
  if (StartIndex >= EndIndex) return kSortStartNotBeforeEnd;
  if (StartIndex < 0) return kSortStartNegative;
  if (StartIndex > count - 1) return kSortStartBeyondGrid;
  // Indices beyond 16 bits cannot be addressed by the engine.
  if (EndIndex > count - 1 || EndIndex > kMaxIndex) return kSortEndBeyondGrid;
  if (SortIndex < 0) return kSortIndexNegative;
  if (SortIndex > keyCount - 1 || SortIndex > kMaxIndex) return kSortIndexBeyondGrid;
  return kSortOk;
}

std::string_view SortEngine::KeyText(const CellStore& cells, int index) const {
  return HowToSort == SortAxis::stRow ? cells.Text(SortIndex, index) : cells.Text(index, SortIndex);
}

// The key check of numeric and date sorting. The first key that fails ends the
// check with the fall-back to character order, so a later key cannot turn the
// warning back into a case-sensitivity note that no longer applies.
int SortEngine::CheckKeys(const std::vector<std::string_view>& keys) {
  int code = kSortOk;
  if (SortType == ToSortType::tstNumeric) {
    for (const std::string_view key : keys) {
      if (!PassesIntegerCheck(key)) {
        SortType = ToSortType::tstCharacter;
        return kSortNonNumericKeys;
      }
      if (CaseSensitiv) code = kSortCaseIgnoredForNumeric;
    }
  } else if (SortType == ToSortType::tstDate) {
    if (CaseSensitiv) code = kSortCaseIgnoredForDate;
    double day = 0;
    for (const std::string_view key : keys) {
      if (!ReadIsoDate(key, day)) {
        SortType = ToSortType::tstCharacter;
        return kSortNonDateKeys;
      }
    }
  }
  return code;
}

std::vector<int> SortEngine::SortKeys(const std::vector<std::string_view>& texts) {
  SetResult(CheckKeys(texts));
  const int count = static_cast<int>(texts.size());
  std::vector<int> order(texts.size());
  for (int k = 0; k < count; ++k) order[static_cast<size_t>(k)] = k;

  if (SortType == ToSortType::tstCharacter) {
    std::vector<std::string> keys(texts.size());
    for (size_t k = 0; k < texts.size(); ++k) {
      if (EncodeKey) EncodeKey(texts[k], keys[k]);
      else keys[k].assign(texts[k]);
      if (!CaseSensitiv) keys[k] = text::UpperAscii(keys[k]);
    }
    // std::string compares its bytes as unsigned values; a prefix is smaller.
    QuickSort(order, 0, count - 1, true,
              [&keys](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
  } else {
    std::vector<double> keys(texts.size());
    for (size_t k = 0; k < texts.size(); ++k) {
      const bool read = SortType == ToSortType::tstNumeric ? ReadDecimalKey(texts[k], keys[k])
                                                            : ReadIsoDate(texts[k], keys[k]);
      if (!read) throw SortConversionError("'" + std::string(texts[k]) + "' is not a valid floating point value");
    }
    QuickSort(order, 0, count - 1, false,
              [&keys](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
  }
  if (SortDirection == SortDirType::Descending) std::reverse(order.begin(), order.end());
  return order;
}

bool SortEngine::ApplySort(CellStore& cells) {
  const int invalid = Validate(cells);
  if (invalid != kSortOk) {
    SetResult(invalid);
    Report(SortMessageKind::Error);
    return false;
  }
  std::vector<std::string_view> keys;
  keys.reserve(static_cast<size_t>(EndIndex - StartIndex + 1));
  for (int i = StartIndex; i <= EndIndex; ++i) keys.push_back(KeyText(cells, i));
  std::vector<int> order = SortKeys(keys);
  for (int& entry : order) entry += StartIndex;
  if (HowToSort == SortAxis::stRow) cells.ArrangeRows(StartIndex, order);
  else ArrangeColumns(cells, StartIndex, order);
  if (sortResult_ < 0) Report(SortMessageKind::Warning);
  return true;
}

}  // namespace tarno::grid
