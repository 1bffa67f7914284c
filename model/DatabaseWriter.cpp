#include "DatabaseWriter.h"

#include <sqlite3.h>

#include "DatabaseSchema.h"
#include "Errors.h"
#include "SqliteConnection.h"

namespace tarno {
namespace {

class ChangeWriter {
 public:
  explicit ChangeWriter(SqliteConnection& connection)
      : connection_(connection), schema_(connection), encoding_(connection.TextEncoding()) {}

  void Update(const RowUpdate& update) {
    std::vector<const ColumnWrite*> present;
    for (const ColumnWrite& write : update.columns)
      if (schema_.HasColumn(update.table, write.column)) present.push_back(&write);
    if (present.empty()) return;
    std::string sql = "UPDATE " + QuoteIdentifier(update.table) + " SET ";
    for (size_t i = 0; i < present.size(); ++i)
      sql += (i == 0 ? "" : ", ") + QuoteIdentifier(present[i]->column) + " = ?";
    sql += " WHERE " + QuoteIdentifier(update.keyColumn) + " = ?";
    SqliteStatement statement(connection_.Handle(), sql, connection_.Name());
    int index = 1;
    for (const ColumnWrite* write : present) Bind(statement, index++, write->value);
    statement.BindInteger(index, update.key);
    statement.Step();
    if (sqlite3_changes(connection_.Handle()) == 0)
      throw DatabaseError(connection_.Name() + ": no " + update.table + " row with " + update.keyColumn + " " +
                          std::to_string(update.key));
  }

  void Favourite(const FavouriteChange& change) {
    const std::string table = QuoteIdentifier(schema::kFavouritesTable);
    const std::string where = std::string(" WHERE ") + schema::kServiceKey + " = ?1 AND " + schema::kFavouriteList + " = ?2";
    std::string sql;
    if (change.position < 1)
      sql = "DELETE FROM " + table + where;
    else if (change.wasInList)
      sql = "UPDATE " + table + " SET " + schema::kFavouritePosition + " = ?3" + where;
    else
      sql = "INSERT INTO " + table + " (" + schema::kServiceKey + ", " + schema::kFavouriteList + ", " +
            schema::kFavouritePosition + ") VALUES (?1, ?2, ?3)";
    SqliteStatement statement(connection_.Handle(), sql, connection_.Name());
    statement.BindInteger(1, change.serviceId);
    statement.BindInteger(2, change.list);
    if (change.position >= 1) statement.BindInteger(3, change.position - 1);
    statement.Step();
  }

  void RemoveService(int64_t serviceId) {
    for (const std::string& table : schema_.TablesWith(schema::kServiceKey)) {
      SqliteStatement statement(connection_.Handle(),
                                "DELETE FROM " + QuoteIdentifier(table) + " WHERE " + schema::kServiceKey + " = ?",
                                connection_.Name());
      statement.BindInteger(1, serviceId);
      statement.Step();
    }
  }

 private:
  void Bind(SqliteStatement& statement, int index, const SqlValue& value) {
    if (const auto* number = std::get_if<int64_t>(&value)) statement.BindInteger(index, *number);
    else statement.BindStoredText(index, std::get<std::string>(value), encoding_);
  }

  SqliteConnection& connection_;
  DatabaseSchema schema_;
  unsigned char encoding_;
};

void Apply(SqliteConnection& connection, const DatabaseChanges& changes) {
  ChangeWriter writer(connection);
  for (const RowUpdate& update : changes.updates) writer.Update(update);
  for (const FavouriteChange& change : changes.favourites) writer.Favourite(change);
  for (int64_t serviceId : changes.removedServices) writer.RemoveService(serviceId);
}

}  // namespace

void WriteChanges(const std::string& path, const std::string& name, const DatabaseChanges& changes) {
  SqliteConnection connection = SqliteConnection::OpenForWriting(path, name);
  connection.Execute("BEGIN IMMEDIATE");
  try {
    Apply(connection, changes);
    connection.Execute("COMMIT");
  } catch (...) {
    sqlite3_exec(connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  connection.Close();
}

}  // namespace tarno
