#include "CellNames.h"

#include <charconv>

#include "AsciiText.h"
#include "TextCase.h"

namespace tarno::grid {
namespace {

constexpr int kLetters = 26;

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
char Letter(int n) { return static_cast<char>('@' + n); }

}  // namespace

std::string A1ColumnLetters(int col) {
  if (col <= kLetters) return std::string(1, Letter(col));
  const int first = col / kLetters - (col % kLetters == 0 ? 1 : 0);
  const int second = col % kLetters == 0 ? kLetters : col % kLetters;
  return {Letter(first), Letter(second)};
}

std::string A1Name(int col, int row) { return A1ColumnLetters(col) + std::to_string(row); }

std::optional<CellRef> ReadA1(std::string_view text) {
  std::string upper = text::UpperAscii(text);
  std::string_view rest = upper;
  int letters[2] = {0, 0};
  int count = 0;
  while (count < 2 && !rest.empty() && IsUpperLetter(rest.front())) {
    letters[count++] = rest.front() - '@';
    rest.remove_prefix(1);
  }
  const int col = count == 2 ? letters[1] + letters[0] * kLetters : letters[0];
  if (rest.empty() || rest.front() < '0' || rest.front() > '9') return std::nullopt;
  int row = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), row);
  if (error != std::errc() || end != rest.data() + rest.size()) return std::nullopt;
  return CellRef{col, row};
}

std::string_view EntryName(std::string_view entry) { return entry.substr(0, entry.find('=')); }

std::string_view EntryReference(std::string_view entry) {
  const size_t at = entry.find('=');
  return at == std::string_view::npos ? std::string_view() : entry.substr(at + 1);
}

int CellNames::IndexOfName(std::string_view name) const {
  for (size_t i = 0; i < entries_.size(); ++i)
    if (text::EqualIgnoringAsciiCase(EntryName(entries_[i]), name)) return static_cast<int>(i);
  return -1;
}

bool CellNames::Add(std::string_view name, std::string_view reference) {
  if (IndexOfName(name) >= 0) return false;
  entries_.push_back(std::string(name) + "=" + std::string(reference));
  return true;
}

void CellNames::Delete(int index) {
  if (index >= 0 && index < static_cast<int>(entries_.size())) entries_.erase(entries_.begin() + index);
}

std::optional<std::string> CellNames::NameOfCell(int col, int row) const {
  const std::string a1 = A1Name(col, row);
  for (const std::string& entry : entries_)
    if (EntryReference(entry) == a1) return std::string(EntryName(entry));
  return std::nullopt;
}

std::optional<CellRef> CellNames::CellOfName(std::string_view name) const {
  const int index = IndexOfName(name);
  if (index < 0) return std::nullopt;
  return ReadA1(EntryReference(entries_[static_cast<size_t>(index)]));
}

std::string DuplicateNameMessage(std::string_view name) {
  return "Name " + std::string(name) + " allready exists";
}

}  // namespace tarno::grid
