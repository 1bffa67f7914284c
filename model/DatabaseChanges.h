// What saving a channel database writes: the records compared with the
// services as loaded (matched by the srvId field, whatever their order), as
// the changed columns of the changed rows, the favourites rows to insert,
// update or delete, and the services whose records were removed.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "DataItem.h"
#include "DatabaseLayout.h"
#include "DatabaseReader.h"

namespace tarno {

// An integer, or the stored bytes of a text value.
using SqlValue = std::variant<int64_t, std::string>;

struct ColumnWrite {
  std::string column;
  SqlValue value;
};

struct RowUpdate {
  std::string table;
  std::string keyColumn;
  int64_t key = 0;
  std::vector<ColumnWrite> columns;  // every column a changed field names; absent ones are skipped on writing
};

struct FavouriteChange {
  int64_t serviceId = 0;
  int list = 0;
  int64_t position = 0;  // 1, 2 ...; below 1: the service leaves the list
  bool wasInList = false;
};

struct DatabaseChanges {
  std::vector<RowUpdate> updates;
  std::vector<FavouriteChange> favourites;
  std::vector<int64_t> removedServices;
  bool Empty() const { return updates.empty() && favourites.empty() && removedServices.empty(); }
};

// Throws DatabaseError for a record whose srvId names no loaded service (a
// record added: inserting services is not supported), for two records of one
// service, and for a changed field of a CHNL or PROV row the service has not.
DatabaseChanges CompareWithLoaded(const DatabaseLayout& layout, const std::vector<TDataItem>& items,
                                  const std::vector<TDataByteArray>& records, const LoadedDatabase& loaded);

// The srvId a record holds.
int64_t ServiceIdOf(const DatabaseLayout& layout, const std::vector<TDataItem>& items, const TDataByteArray& record);

}  // namespace tarno
