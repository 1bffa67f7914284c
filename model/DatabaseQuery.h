// The query that reads a channel database's services with every column the
// layout names, and the checks that the tables and keys it joins by exist.
#pragma once

#include <string>
#include <vector>

#include "DatabaseLayout.h"
#include "DatabaseSchema.h"

namespace tarno {

struct DatabaseQuery {
  std::string sql;
  // Result columns: 0 srvId, then chId and provId where joined (-1 otherwise),
  // then one per layout field whose column exists (-1 for the others).
  int channelIdColumn = -1;
  int providerIdColumn = -1;
  std::vector<int> fieldColumns;  // by index into DatabaseLayout::fields
};

// Throws DatabaseError ("dvbs: no table SRV", "dvbs: no column SRV_FAV.pos")
// when a table the layout reads from or a key it joins by is missing.
DatabaseQuery BuildServiceQuery(const DatabaseLayout& layout, const std::vector<TDataItem>& items,
                                const DatabaseSchema& schema, const std::string& name);

// The first of a source's columns the table has; empty when none.
std::string PresentColumn(const ColumnSource& source, const DatabaseSchema& schema);

// The main table's key column for the table a field's source names: srvId,
// or chId for CHNL and provId for PROV.
std::string KeyColumnOf(const std::string& table);

}  // namespace tarno
