// The tables of a database and their columns, found by name without regard to
// ASCII case, as SQL finds them; schemas differ from firmware to firmware.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "SqliteConnection.h"

namespace tarno {

class DatabaseSchema {
 public:
  explicit DatabaseSchema(SqliteConnection& connection);

  bool HasTable(std::string_view table) const;
  bool HasColumn(std::string_view table, std::string_view column) const;
  // The tables that have the column, by their stored names.
  std::vector<std::string> TablesWith(std::string_view column) const;

 private:
  struct Table {
    std::string name;
    std::vector<std::string> columns;  // upper-cased
  };
  const Table* Find(std::string_view table) const;
  std::map<std::string, Table> tables_;  // by upper-cased name
};

}  // namespace tarno
