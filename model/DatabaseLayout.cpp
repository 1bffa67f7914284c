#include "DatabaseLayout.h"

#include "AsciiText.h"
#include "LayoutReader.h"

namespace tarno {
namespace {

bool IsNameCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsName(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsNameCharacter(c)) return false;
  return true;
}

std::optional<int> FavouriteListOf(std::string_view column) {
  if (column.size() != 1 || column[0] < '1' || column[0] > '0' + kDatabaseFavouriteLists) return std::nullopt;
  return column[0] - '0';
}

bool IsSoundField(const TDataItem& item, const ColumnSource& source) {
  if (IsTextField(item)) return item.ElementSize == 2 && source.favouriteList == 0 && !source.inverted;
  return item.Size >= 1 && item.Size <= kKeyFieldSize;
}

}  // namespace

std::optional<ColumnSource> ParseColumnSource(std::string_view text) {
  ColumnSource source;
  text = TrimControls(text);
  if (!text.empty() && text.front() == '!') {
    source.inverted = true;
    text = TrimControls(text.substr(1));
  }
  const size_t dot = text.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  source.table = std::string(TrimControls(text.substr(0, dot)));
  if (!IsName(source.table)) return std::nullopt;
  std::string_view rest = text.substr(dot + 1);
  while (true) {
    const size_t plus = rest.find('+');
    const std::string_view column = TrimControls(rest.substr(0, plus));
    if (!IsName(column)) return std::nullopt;
    source.columns.emplace_back(column);
    if (plus == std::string_view::npos) break;
    rest = rest.substr(plus + 1);
  }
  if (text::EqualIgnoringAsciiCase(source.table, schema::kFavouritesTable)) {
    const auto list = FavouriteListOf(source.columns.front());
    if (!list || source.columns.size() != 1 || source.inverted) return std::nullopt;
    source.favouriteList = *list;
  }
  return source;
}

std::optional<DatabaseLayout> DescribeDatabase(const std::string& mainTable, const std::vector<TDataItem>& items) {
  if (!IsName(mainTable)) return std::nullopt;
  DatabaseLayout layout;
  layout.mainTable = mainTable;
  bool hasKey = false;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].Source.empty()) continue;
    auto source = ParseColumnSource(items[i].Source);
    if (!source || !IsSoundField(items[i], *source)) return std::nullopt;
    const bool isKey = text::EqualIgnoringAsciiCase(source->table, mainTable) && source->columns.size() == 1 &&
                       text::EqualIgnoringAsciiCase(source->columns.front(), schema::kServiceKey);
    if (isKey && !hasKey) {
      if (items[i].Size != kKeyFieldSize || IsTextField(items[i]) || source->inverted) return std::nullopt;
      layout.keyItem = i;
      hasKey = true;
    }
    layout.fields.push_back({i, std::move(*source)});
  }
  if (!hasKey) return std::nullopt;
  return layout;
}

bool IsSignedField(const TDataItem& item) { return text::EqualIgnoringAsciiCase(item.ScriptName, "Signed"); }

}  // namespace tarno
