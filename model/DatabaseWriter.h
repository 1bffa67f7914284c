// Writing changes into a channel database: the changed columns of the changed
// rows, the favourites rows and the removed services (their rows in every
// table with a srvId column), in one transaction through SQLite. Columns the
// schema lacks are never written. Page size, encoding, user_version, the
// journal mode and every other table stay as they are; closing folds the
// write-ahead log back, so no -wal or -shm file is left.
#pragma once

#include <string>

#include "DatabaseChanges.h"

namespace tarno {

// Throws DatabaseError (the transaction rolled back) when a statement fails or
// a row to update is missing.
void WriteChanges(const std::string& path, const std::string& name, const DatabaseChanges& changes);

}  // namespace tarno
