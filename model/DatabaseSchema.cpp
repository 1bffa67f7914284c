#include "DatabaseSchema.h"

#include <sqlite3.h>

#include <algorithm>

#include "AsciiText.h"

namespace tarno {
namespace {

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

DatabaseSchema::DatabaseSchema(SqliteConnection& connection) {
  SqliteStatement tables(connection.Handle(), "SELECT name FROM sqlite_master WHERE type = 'table'", connection.Name());
  while (tables.Step()) {
    const std::string name = ColumnText(tables.Handle(), 0);
    tables_[text::UpperAscii(name)] = Table{name, {}};
  }
  constexpr int kNameColumn = 1;  // of PRAGMA table_info
  for (auto& [key, table] : tables_) {
    SqliteStatement columns(connection.Handle(), "PRAGMA table_info(" + QuoteIdentifier(table.name) + ")",
                            connection.Name());
    while (columns.Step()) table.columns.push_back(text::UpperAscii(ColumnText(columns.Handle(), kNameColumn)));
  }
}

const DatabaseSchema::Table* DatabaseSchema::Find(std::string_view table) const {
  const auto found = tables_.find(text::UpperAscii(table));
  return found == tables_.end() ? nullptr : &found->second;
}

bool DatabaseSchema::HasTable(std::string_view table) const { return Find(table) != nullptr; }

bool DatabaseSchema::HasColumn(std::string_view table, std::string_view column) const {
  const Table* found = Find(table);
  return found && std::ranges::find(found->columns, text::UpperAscii(column)) != found->columns.end();
}

std::vector<std::string> DatabaseSchema::TablesWith(std::string_view column) const {
  std::vector<std::string> names;
  for (const auto& [key, table] : tables_)
    if (std::ranges::find(table.columns, text::UpperAscii(column)) != table.columns.end()) names.push_back(table.name);
  return names;
}

}  // namespace tarno
