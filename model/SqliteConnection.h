// A connection to one SQLite database file and its prepared statements, closed
// with the objects. Every failure throws DatabaseError naming the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tarno {

class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, const std::string& sql, const std::string& name);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // True while a row is there to read.
  bool Step();
  void Reset();
  void BindInteger(int index, int64_t value);
  // Stores bytes as a text value of the database's own encoding, unchanged.
  void BindStoredText(int index, std::string_view bytes, unsigned char encoding);
  void BindNull(int index);
  sqlite3_stmt* Handle() const { return statement_; }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  std::string name_;
};

class SqliteConnection {
 public:
  // Loading never writes: the file is opened read-only and immutable, so no
  // lock, journal or shared-memory file is made beside it.
  static SqliteConnection OpenReadOnly(const std::string& path, const std::string& name);
  static SqliteConnection OpenForWriting(const std::string& path, const std::string& name);
  ~SqliteConnection();
  SqliteConnection(SqliteConnection&& other) noexcept;
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;
  SqliteConnection& operator=(SqliteConnection&&) = delete;

  void Execute(const std::string& sql);
  // The value of a PRAGMA or query's first column of its first row, as text.
  std::string QueryText(const std::string& sql);
  // The text encoding of stored values, as SQLITE_UTF8, SQLITE_UTF16LE or SQLITE_UTF16BE.
  unsigned char TextEncoding();
  // Closes now, reporting a failure (a write-ahead log that cannot be folded back).
  void Close();
  sqlite3* Handle() const { return db_; }
  const std::string& Name() const { return name_; }

 private:
  SqliteConnection(const std::string& path, const std::string& name, int flags);
  sqlite3* db_ = nullptr;
  std::string name_;
};

// "NAME: message" for the connection's last failure, in words a user reads.
std::string DatabaseFailureText(sqlite3* db, int code, const std::string& name);

// An SQL identifier in double quotes.
std::string QuoteIdentifier(std::string_view name);

}  // namespace tarno
