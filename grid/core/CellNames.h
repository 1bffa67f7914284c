// Cell names: entries "name=reference" with the reference in A1 form, and the
// A1 form of a cell both ways (column letters A..Z, AA.., then the row number).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarno::grid {

struct CellRef {
  int col = 0;
  int row = 0;
  bool operator==(const CellRef&) const = default;
};

// Column letters of a column from 1 to 702 (ZZ): 26 is Z, 27 AA, 52 AZ, 53 BA.
std::string A1ColumnLetters(int col);
std::string A1Name(int col, int row);
// One or two letters, then a whole decimal row number; any letter case. A text
// without letters reads as column 0.
std::optional<CellRef> ReadA1(std::string_view text);

// The name part (before the first "=") and the reference part of an entry.
std::string_view EntryName(std::string_view entry);
std::string_view EntryReference(std::string_view entry);

class CellNames {
 public:
  const std::vector<std::string>& Entries() const { return entries_; }
  void SetEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
  bool Empty() const { return entries_.empty(); }

  // Index of the entry with this name (ASCII letters in any case); -1 if none.
  int IndexOfName(std::string_view name) const;
  // Appends name=reference unless the name is taken; neither text is checked.
  bool Add(std::string_view name, std::string_view reference);
  void Delete(int index);
  void Clear() { entries_.clear(); }

  // The first entry whose reference is exactly the cell's A1 form.
  std::optional<std::string> NameOfCell(int col, int row) const;
  // The cell a name refers to; none when the name is unknown or its reference unreadable.
  std::optional<CellRef> CellOfName(std::string_view name) const;

 private:
  std::vector<std::string> entries_;
};

// "Name " + name + " allready exists", as the names dialog words it.
std::string DuplicateNameMessage(std::string_view name);

}  // namespace tarno::grid
