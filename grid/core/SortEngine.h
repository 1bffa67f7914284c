// The grid's sort engine: reorders a range of rows by the texts of one column
// (or a range of columns by the texts of one row), comparing the keys as text,
// as numbers or as dates. The order of equal keys follows the quicksort below
// exactly (it is not stable), since users see it through "Sort rows" and
// "Sorted renumber".
//
// Dates are read in ISO form, yyyy-mm-dd (blanks around it allowed, years 1
// to 9999, real calendar days only); nothing else counts as a date.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"

namespace tarno::grid {

enum class ToSortType { tstCharacter, tstNumeric, tstDate };
enum class SortDirType { Ascending, Descending };
// stRow reorders rows by a column; stColumn reorders columns by a row.
enum class SortAxis { stRow, stColumn };
enum class SortMessageKind { Error, Warning };

// Outcome codes of ApplySort: positive codes are errors (nothing sorted),
// negative codes warnings (sorted), 0 success.
enum SortResultCode : int {
  kSortCaseIgnoredForDate = -4,
  kSortCaseIgnoredForNumeric = -3,
  kSortNonDateKeys = -2,
  kSortNonNumericKeys = -1,
  kSortOk = 0,
  kSortNoGrid = 1,
  kSortStartNotBeforeEnd = 2,
  kSortStartNegative = 3,
  kSortStartBeyondGrid = 4,
  kSortEndBeyondGrid = 5,
  kSortIndexNegative = 6,
  kSortIndexBeyondGrid = 7,
};

// The text shown for a result code.
std::string SortResultText(int code);

// A numeric key that passed the integer check but is no decimal number (a
// hexadecimal key): the sort is abandoned and the grid left as it was.
class SortConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SortEngine {
 public:
  // The core has no dialogs: with ShowMessageOnError, the outcome message goes here.
  using MessageHook = std::function<void(SortMessageKind kind, const std::string& message)>;
  // Turns a cell text into the bytes that character order compares. Unset:
  // the grid's UTF-8 bytes themselves, whose byte order is Unicode code-point
  // order, so no script's letters are lost to a code page.
  using KeyEncoder = std::function<void(std::string_view cellText, std::string& key)>;

  // Range indices are 16-bit inside the engine.
  static constexpr int kMaxIndex = 65535;

  int StartIndex = 0;
  int EndIndex = 0;
  int SortIndex = 0;
  ToSortType SortType = ToSortType::tstCharacter;  // falls back to tstCharacter, and stays so
  bool CaseSensitiv = false;
  SortDirType SortDirection = SortDirType::Ascending;
  SortAxis HowToSort = SortAxis::stRow;
  bool ShowMessageOnError = false;
  MessageHook OnMessage;
  KeyEncoder EncodeKey;

  // Validates, sorts, and returns true when it sorted. Throws SortConversionError
  // (grid unchanged) when a numeric key passed the integer check but is hexadecimal.
  bool ApplySort(CellStore& cells);

  // The sort itself, for key lists kept outside a grid: checks the keys as
  // ApplySort does (with the fall-back to character order), sorts them and
  // returns the key indices in their new order, reversed when descending. Sets
  // SortResult; shows no message and validates no range. Throws SortConversionError.
  std::vector<int> SortKeys(const std::vector<std::string_view>& keys);

  int SortResult() const { return sortResult_; }
  const std::string& SortMessage() const { return sortMessage_; }

 private:
  int Validate(const CellStore& cells) const;
  int CheckKeys(const std::vector<std::string_view>& keys);
  std::string_view KeyText(const CellStore& cells, int index) const;
  void SetResult(int code);
  void Report(SortMessageKind kind) const;

  int sortResult_ = kSortOk;
  std::string sortMessage_ = SortResultText(kSortOk);
};

// The integer check of numeric sorting: optional leading blanks, an optional
// sign, then decimal digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X")
// with hexadecimal digits, nothing else, within the 32-bit signed range.
bool PassesIntegerCheck(std::string_view text);
// Reads an ISO date (see above) as a day number; false when it is none.
bool ReadIsoDate(std::string_view text, double& day);

}  // namespace tarno::grid
