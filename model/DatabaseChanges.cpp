#include "DatabaseChanges.h"

#include <map>
#include <set>

#include "AsciiText.h"
#include "DatabaseFieldValues.h"
#include "DatabaseQuery.h"
#include "Errors.h"

namespace tarno {
namespace {

class ChangeCollector {
 public:
  ChangeCollector(const DatabaseLayout& layout, const std::vector<TDataItem>& items, const LoadedDatabase& loaded)
      : layout_(layout), items_(items), loaded_(loaded) {}

  void CompareService(int64_t serviceId, const TDataByteArray& record) {
    const LoadedService& before = loaded_.services.at(serviceId);
    for (size_t f = 0; f < layout_.fields.size(); ++f) {
      const DatabaseField& field = layout_.fields[f];
      const TDataItem& item = items_[field.item];
      if (field.item == layout_.keyItem || FieldBytes(item, record) == FieldBytes(item, before.record)) continue;
      if (field.source.favouriteList != 0)
        AddFavourite(serviceId, field, IntegerOf(item, field.source, record), IntegerOf(item, field.source, before.record));
      else
        AddColumns(serviceId, before, field, ValueOf(item, field.source, record, before.storedTexts[f]));
    }
  }

  DatabaseChanges Take() { return std::move(changes_); }
  DatabaseChanges& Changes() { return changes_; }

 private:
  static SqlValue ValueOf(const TDataItem& item, const ColumnSource& source, const TDataByteArray& record,
                          const std::string& stored) {
    if (IsTextField(item)) return InShapeOf(TextBytesOf(item, record), stored);
    return IntegerOf(item, source, record);
  }

  void AddFavourite(int64_t serviceId, const DatabaseField& field, int64_t position, int64_t before) {
    if (position < 1 && before < 1) return;
    changes_.favourites.push_back({serviceId, field.source.favouriteList, position, before >= 1});
  }

  // The key of the row the field's table holds for the service.
  int64_t RowKey(int64_t serviceId, const LoadedService& before, const DatabaseField& field) const {
    const std::string& table = field.source.table;
    const std::string key = KeyColumnOf(table);
    if (key == schema::kServiceKey) return serviceId;
    const std::optional<int64_t>& id = key == schema::kChannelKey ? before.channelId : before.providerId;
    if (!id)
      throw DatabaseError(loaded_.name + ": service " + std::to_string(serviceId) + " has no " + table + " row for " +
                          items_[field.item].Name);
    return *id;
  }

  void AddColumns(int64_t serviceId, const LoadedService& before, const DatabaseField& field, const SqlValue& value) {
    const int64_t key = RowKey(serviceId, before, field);
    const auto slot = std::make_pair(text::UpperAscii(field.source.table), key);
    auto found = rowOf_.find(slot);
    if (found == rowOf_.end()) {
      found = rowOf_.emplace(slot, changes_.updates.size()).first;
      changes_.updates.push_back({field.source.table, KeyColumnOf(field.source.table), key, {}});
    }
    for (const std::string& column : field.source.columns)
      changes_.updates[found->second].columns.push_back({column, value});
  }

  const DatabaseLayout& layout_;
  const std::vector<TDataItem>& items_;
  const LoadedDatabase& loaded_;
  DatabaseChanges changes_;
  std::map<std::pair<std::string, int64_t>, size_t> rowOf_;
};

}  // namespace

int64_t ServiceIdOf(const DatabaseLayout& layout, const std::vector<TDataItem>& items, const TDataByteArray& record) {
  const TDataItem& key = items[layout.keyItem];
  return IntegerOf(key, ColumnSource{}, record);
}

DatabaseChanges CompareWithLoaded(const DatabaseLayout& layout, const std::vector<TDataItem>& items,
                                  const std::vector<TDataByteArray>& records, const LoadedDatabase& loaded) {
  ChangeCollector collector(layout, items, loaded);
  std::set<int64_t> seen;
  for (const TDataByteArray& record : records) {
    const int64_t serviceId = ServiceIdOf(layout, items, record);
    if (!loaded.services.contains(serviceId))
      throw DatabaseError(loaded.name + ": a record of no service in the database (srvId " + std::to_string(serviceId) +
                          "); services cannot be added, remove the record");
    if (!seen.insert(serviceId).second)
      throw DatabaseError(loaded.name + ": two records of service " + std::to_string(serviceId));
    collector.CompareService(serviceId, record);
  }
  for (const auto& [serviceId, service] : loaded.services)
    if (!seen.contains(serviceId)) collector.Changes().removedServices.push_back(serviceId);
  return collector.Take();
}

}  // namespace tarno
