// Reading a channel database into records: one record per service, in the
// order the set shows them (by channel number, then srvId), each field from its
// column. The file is opened read-only, so loading never changes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "DataItem.h"
#include "DatabaseLayout.h"

namespace tarno {

// One service as loaded, to tell on saving what changed.
struct LoadedService {
  TDataByteArray record;
  // Per field of the database layout: the stored bytes of a text value.
  std::vector<std::string> storedTexts;
  std::optional<int64_t> channelId;   // SRV.chId, the CHNL row
  std::optional<int64_t> providerId;  // SRV_DVB.provId, the PROV row
};

struct LoadedDatabase {
  std::string path;  // the file the records stand for
  std::string name;  // its bare name, for messages
  std::unordered_map<int64_t, LoadedService> services;  // by srvId
};

struct DatabaseRecords {
  std::vector<TDataByteArray> records;
  LoadedDatabase loaded;
};

// Throws DatabaseError naming the file and what is wrong: no SQLite database,
// a damaged one, a table or key column the layout needs missing, a text value
// longer than its field.
DatabaseRecords ReadDatabase(const std::string& path, const std::string& name, const DatabaseLayout& layout,
                             const std::vector<TDataItem>& items);

// The record a fresh service starts from: every field its default, the
// favourites positions "not in the list".
TDataByteArray DefaultDatabaseRecord(const DatabaseLayout& layout, const std::vector<TDataItem>& items);

}  // namespace tarno
