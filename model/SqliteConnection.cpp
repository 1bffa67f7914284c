#include "SqliteConnection.h"

#include <sqlite3.h>

#include "Errors.h"

namespace tarno {
namespace {

// A file name as a URI path: the characters a URI gives meaning to escaped.
std::string UriPath(const std::string& path) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string uri = "file:";
  for (unsigned char c : path) {
    if (c == '%' || c == '?' || c == '#' || c < ' ' || c >= 0x7F) {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 0x0F];
    } else {
      uri += static_cast<char>(c);
    }
  }
  return uri;
}

[[noreturn]] void Fail(sqlite3* db, int code, const std::string& name) {
  throw DatabaseError(DatabaseFailureText(db, code, name));
}

}  // namespace

std::string DatabaseFailureText(sqlite3* db, int code, const std::string& name) {
  switch (code & 0xFF) {
    case SQLITE_NOTADB: return name + ": not an SQLite database";
    case SQLITE_CORRUPT: return name + ": the database is damaged";
    case SQLITE_CANTOPEN: return name + ": cannot open the database";
    default: return name + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
  }
}

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql, const std::string& name) : db_(db), name_(name) {
  const int code = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement_, nullptr);
  if (code != SQLITE_OK) Fail(db_, code, name_);
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

bool SqliteStatement::Step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  Fail(db_, code, name_);
}

void SqliteStatement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

void SqliteStatement::BindInteger(int index, int64_t value) {
  const int code = sqlite3_bind_int64(statement_, index, value);
  if (code != SQLITE_OK) Fail(db_, code, name_);
}

void SqliteStatement::BindStoredText(int index, std::string_view bytes, unsigned char encoding) {
  const int code = sqlite3_bind_text64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT, encoding);
  if (code != SQLITE_OK) Fail(db_, code, name_);
}

void SqliteStatement::BindNull(int index) {
  const int code = sqlite3_bind_null(statement_, index);
  if (code != SQLITE_OK) Fail(db_, code, name_);
}

SqliteConnection::SqliteConnection(const std::string& path, const std::string& name, int flags) : name_(name) {
  const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (code != SQLITE_OK) {
    const std::string message = DatabaseFailureText(db_, code, name_);
    sqlite3_close(db_);
    throw DatabaseError(message);
  }
  sqlite3_extended_result_codes(db_, 1);
}

SqliteConnection SqliteConnection::OpenReadOnly(const std::string& path, const std::string& name) {
  return SqliteConnection(UriPath(path) + "?immutable=1", name, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

SqliteConnection SqliteConnection::OpenForWriting(const std::string& path, const std::string& name) {
  return SqliteConnection(UriPath(path), name, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI);
}

SqliteConnection::SqliteConnection(SqliteConnection&& other) noexcept : db_(other.db_), name_(std::move(other.name_)) {
  other.db_ = nullptr;
}

SqliteConnection::~SqliteConnection() { sqlite3_close_v2(db_); }

void SqliteConnection::Close() {
  const int code = sqlite3_close(db_);
  if (code != SQLITE_OK) Fail(db_, code, name_);
  db_ = nullptr;
}

void SqliteConnection::Execute(const std::string& sql) {
  const int code = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
  if (code != SQLITE_OK) Fail(db_, code, name_);
}

std::string SqliteConnection::QueryText(const std::string& sql) {
  SqliteStatement statement(db_, sql, name_);
  if (!statement.Step()) return {};
  const unsigned char* text = sqlite3_column_text(statement.Handle(), 0);
  return text ? reinterpret_cast<const char*>(text) : "";
}

unsigned char SqliteConnection::TextEncoding() {
  const std::string encoding = QueryText("PRAGMA encoding");
  if (encoding == "UTF-16le") return SQLITE_UTF16LE;
  if (encoding == "UTF-16be") return SQLITE_UTF16BE;
  return SQLITE_UTF8;
}

}  // namespace tarno
