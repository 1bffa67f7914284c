#include "DatabaseReader.h"

#include <sqlite3.h>

#include "DatabaseFieldValues.h"
#include "DatabaseQuery.h"
#include "DatabaseSchema.h"
#include "Errors.h"
#include "SqliteConnection.h"

namespace tarno {
namespace {

constexpr int64_t kNotInList = -1;

std::string_view StoredBytes(sqlite3_stmt* statement, int column) {
  const void* bytes = sqlite3_column_blob(statement, column);
  const int count = sqlite3_column_bytes(statement, column);
  return bytes ? std::string_view(static_cast<const char*>(bytes), static_cast<size_t>(count)) : std::string_view();
}

void CheckIntact(SqliteConnection& connection) {
  if (connection.QueryText("PRAGMA quick_check") != "ok")
    throw DatabaseError(connection.Name() + ": the database is damaged");
}

class ServiceReader {
 public:
  ServiceReader(const DatabaseLayout& layout, const std::vector<TDataItem>& items, const DatabaseQuery& query,
                const std::string& name)
      : layout_(layout), items_(items), query_(query), name_(name), blank_(DefaultDatabaseRecord(layout, items)) {}

  // The service of the statement's row.
  LoadedService Read(sqlite3_stmt* row, int64_t serviceId) const {
    LoadedService service{blank_, std::vector<std::string>(layout_.fields.size()), {}, {}};
    if (query_.channelIdColumn >= 0 && sqlite3_column_type(row, query_.channelIdColumn) != SQLITE_NULL)
      service.channelId = sqlite3_column_int64(row, query_.channelIdColumn);
    if (query_.providerIdColumn >= 0 && sqlite3_column_type(row, query_.providerIdColumn) != SQLITE_NULL)
      service.providerId = sqlite3_column_int64(row, query_.providerIdColumn);
    for (size_t f = 0; f < layout_.fields.size(); ++f) ReadField(row, serviceId, f, service);
    return service;
  }

 private:
  void ReadField(sqlite3_stmt* row, int64_t serviceId, size_t f, LoadedService& service) const {
    const int column = query_.fieldColumns[f];
    if (column < 0) return;
    const int type = sqlite3_column_type(row, column);
    if (type == SQLITE_NULL) return;
    const DatabaseField& field = layout_.fields[f];
    const TDataItem& item = items_[field.item];
    if (!IsTextField(item)) {
      StoreInteger(item, field.source, sqlite3_column_int64(row, column), service.record);
    } else if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
      const std::string_view bytes = StoredBytes(row, column);
      if (!StoreTextBytes(item, bytes, service.record))
        throw DatabaseError(name_ + ": " + field.source.table + "." + field.source.columns.front() + " of service " +
                            std::to_string(serviceId) + " holds " + std::to_string(bytes.size()) +
                            " bytes, more than the " + std::to_string(item.Size) + " of the field " + item.Name);
      service.storedTexts[f] = std::string(bytes);
    }
  }

  const DatabaseLayout& layout_;
  const std::vector<TDataItem>& items_;
  const DatabaseQuery& query_;
  const std::string& name_;
  const TDataByteArray blank_;
};

// Each service's favourites positions from SRV_FAV: the stored position + 1.
void ReadFavourites(SqliteConnection& connection, const DatabaseLayout& layout, const std::vector<TDataItem>& items,
                    DatabaseRecords& result, const std::unordered_map<int64_t, size_t>& recordOf) {
  bool any = false;
  for (const DatabaseField& field : layout.fields) any = any || field.source.favouriteList != 0;
  if (!any) return;
  SqliteStatement rows(connection.Handle(),
                       std::string("SELECT ") + schema::kServiceKey + ", " + schema::kFavouriteList + ", " +
                           schema::kFavouritePosition + " FROM " + schema::kFavouritesTable + " ORDER BY " +
                           schema::kFavouritePosition,
                       connection.Name());
  while (rows.Step()) {
    const auto found = recordOf.find(sqlite3_column_int64(rows.Handle(), 0));
    if (found == recordOf.end()) continue;
    const int64_t list = sqlite3_column_int64(rows.Handle(), 1);
    const int64_t position = sqlite3_column_int64(rows.Handle(), 2) + 1;
    for (const DatabaseField& field : layout.fields) {
      if (field.source.favouriteList != list) continue;
      const TDataItem& item = items[field.item];
      TDataByteArray& record = result.records[found->second];
      if (IntegerOf(item, field.source, record) != kNotInList) continue;  // the first row of a list counts
      StoreInteger(item, field.source, position, record);
      StoreInteger(item, field.source, position, result.loaded.services.at(found->first).record);
    }
  }
}

}  // namespace

TDataByteArray DefaultDatabaseRecord(const DatabaseLayout& layout, const std::vector<TDataItem>& items) {
  const size_t size = items.empty() ? 0 : static_cast<size_t>(items.back().Offset + items.back().Size);
  TDataByteArray record(size, 0);
  for (const TDataItem& item : items)
    for (int32_t i = 0; i < item.Size && !item.DefaultBytes.empty(); ++i)
      record[static_cast<size_t>(item.Offset + i)] = item.DefaultBytes[static_cast<size_t>(i) % item.DefaultBytes.size()];
  for (const DatabaseField& field : layout.fields)
    if (field.source.favouriteList != 0) StoreInteger(items[field.item], field.source, kNotInList, record);
  return record;
}

DatabaseRecords ReadDatabase(const std::string& path, const std::string& name, const DatabaseLayout& layout,
                             const std::vector<TDataItem>& items) {
  SqliteConnection connection = SqliteConnection::OpenReadOnly(path, name);
  CheckIntact(connection);
  const DatabaseSchema schema(connection);
  const DatabaseQuery query = BuildServiceQuery(layout, items, schema, name);
  const ServiceReader reader(layout, items, query, name);
  DatabaseRecords result;
  result.loaded.path = path;
  result.loaded.name = name;
  std::unordered_map<int64_t, size_t> recordOf;
  SqliteStatement rows(connection.Handle(), query.sql, name);
  while (rows.Step()) {
    const int64_t serviceId = sqlite3_column_int64(rows.Handle(), 0);
    if (!recordOf.emplace(serviceId, result.records.size()).second) continue;  // a second row of a joined table
    LoadedService service = reader.Read(rows.Handle(), serviceId);
    result.records.push_back(service.record);
    result.loaded.services.emplace(serviceId, std::move(service));
  }
  ReadFavourites(connection, layout, items, result, recordOf);
  return result;
}

}  // namespace tarno
