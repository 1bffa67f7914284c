// Channel databases in tests: the shared .zip samples extracted into a
// temporary folder, and plain SQL reads of a database file to check what a
// save wrote, through the SQLite library and no code of the editor.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace tarno::test {

inline const std::string kKArchive = "Channel_list_T-KTSUDEUC-1007.1.zip";
inline const std::string kKmArchive = "Channel_list_T-KTMDEUC-1132.6.zip";
inline const std::string kJArchive = "Channel_list_J_cable.zip";

inline bool HasZipSample(const std::string& archive) {
  return std::filesystem::exists(std::string(TARNO_ZIP_SAMPLES_DIR) + "/" + archive);
}

inline std::vector<std::string> ZipSampleArchives() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(TARNO_ZIP_SAMPLES_DIR))
    if (entry.path().extension() == ".zip") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A database opened read-only without touching the file (no lock, journal or
// shared-memory file), for plain queries.
class SqlReader {
 public:
  explicit SqlReader(const std::string& path) {
    sqlite3_open_v2(("file:" + path + "?immutable=1").c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  }
  ~SqlReader() { sqlite3_close(db_); }
  SqlReader(const SqlReader&) = delete;
  SqlReader& operator=(const SqlReader&) = delete;

  // Every row of a query, each value as its type and bytes in hex ("i:5",
  // "t:004100", "n"), the values of a row joined by "|".
  std::vector<std::string> Rows(const std::string& sql) const {
    std::vector<std::string> rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
      return {"error: " + std::string(sqlite3_errmsg(db_))};
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::string row;
      for (int c = 0; c < sqlite3_column_count(statement); ++c) row += (c ? "|" : "") + Value(statement, c);
      rows.push_back(row);
    }
    sqlite3_finalize(statement);
    return rows;
  }
  std::string One(const std::string& sql) const {
    const auto rows = Rows(sql);
    return rows.empty() ? "" : rows.front();
  }

 private:
  static std::string Value(sqlite3_stmt* statement, int column) {
    static const char* const kHex = "0123456789ABCDEF";
    switch (sqlite3_column_type(statement, column)) {
      case SQLITE_NULL: return "n";
      case SQLITE_INTEGER: return "i:" + std::to_string(sqlite3_column_int64(statement, column));
      case SQLITE_FLOAT: return "f:" + std::to_string(sqlite3_column_double(statement, column));
      default: break;
    }
    const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(statement, column));
    std::string hex = sqlite3_column_type(statement, column) == SQLITE_TEXT ? "t:" : "b:";
    for (int i = 0; i < sqlite3_column_bytes(statement, column); ++i) {
      hex += kHex[bytes[i] >> 4];
      hex += kHex[bytes[i] & 15];
    }
    return hex;
  }
  sqlite3* db_ = nullptr;
};

// Runs SQL on a database file (made when missing); false with the error on stderr.
inline bool ExecuteSql(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK;
  char* error = nullptr;
  ok = ok && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
  if (error) {
    fprintf(stderr, "%s\n", error);
    sqlite3_free(error);
  }
  sqlite3_close(db);
  return ok;
}

// Whether the folder holds a journal, write-ahead log or shared-memory file.
inline bool HasJournalFiles(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    for (const char* suffix : {"-journal", "-wal", "-shm"})
      if (name.ends_with(suffix)) return true;
  }
  return false;
}

// UTF-16 big-endian bytes of ASCII or UTF-16 text, as the databases store names.
inline std::string BigEndianUnits(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit >> 8);
    bytes += static_cast<char>(unit & 0xFF);
  }
  return bytes;
}

}  // namespace tarno::test
