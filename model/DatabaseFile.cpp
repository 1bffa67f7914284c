#include "DatabaseFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "DatabaseChanges.h"
#include "DatabaseFieldValues.h"
#include "DatabaseReader.h"
#include "DatabaseWriter.h"
#include "Errors.h"
#include "FileSystem.h"

namespace tarno {
namespace {

// A private copy of a database to change, removed with its -wal and -shm files.
class WorkingCopy {
 public:
  explicit WorkingCopy(std::string_view bytes) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarno-database-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw FileError(SystemErrorText("Cannot create file", pattern, errno));
    path_ = pattern;
    const bool written = WriteAll(fd, bytes);
    int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed) error = errno;
    if (!written || !closed) {
      ::unlink(path_.c_str());  // the destructor does not run for a copy never made
      throw FileError(SystemErrorText("Cannot write file", path_, error));
    }
  }
  ~WorkingCopy() {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) ::unlink((path_ + suffix).c_str());
  }
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

// The services as the saved file holds them: the records, and the text values as written.
std::shared_ptr<const LoadedDatabase> AfterSave(const TDataObject& data, const LoadedDatabase& before,
                                                const std::string& path) {
  auto saved = std::make_shared<LoadedDatabase>();
  saved->path = path;
  saved->name = before.name;
  const DatabaseLayout& layout = *data.Database;
  for (const TDataByteArray& record : data.Records) {
    const int64_t serviceId = ServiceIdOf(layout, data.Items, record);
    LoadedService service = before.services.at(serviceId);
    for (size_t f = 0; f < layout.fields.size(); ++f) {
      const TDataItem& item = data.Items[layout.fields[f].item];
      if (IsTextField(item) && FieldBytes(item, record) != FieldBytes(item, service.record))
        service.storedTexts[f] = InShapeOf(TextBytesOf(item, record), service.storedTexts[f]);
    }
    service.record = record;
    saved->services.emplace(serviceId, std::move(service));
  }
  return saved;
}

}  // namespace

void LoadDatabaseFile(TDataObject& data, const std::string& path) {
  ::close(OpenRegularFileForReading(path));  // the errors of a missing or irregular file, as for record files
  DatabaseRecords read = ReadDatabase(ResolveFileName(path), BareNameOf(path), *data.Database, data.Items);
  data.Records = std::move(read.records);
  data.LoadedServices = std::make_shared<const LoadedDatabase>(std::move(read.loaded));
}

void SaveDatabaseFile(TDataObject& data, const std::string& path) {
  if (!data.LoadedServices) throw DatabaseError(BareNameOf(path) + ": nothing was loaded to save");
  const LoadedDatabase& loaded = *data.LoadedServices;
  const DatabaseChanges changes = CompareWithLoaded(*data.Database, data.Items, data.Records, loaded);
  const std::string target = ReplaceableFile(path);
  if (changes.Empty()) {
    if (!IsSameFile(loaded.path, target)) WriteFileAtomically(path, ReadWholeFile(loaded.path));
  } else {
    const WorkingCopy copy(ReadWholeFile(loaded.path));
    WriteChanges(copy.Path(), loaded.name, changes);
    WriteFileAtomically(path, ReadWholeFile(copy.Path()));
  }
  data.LoadedServices = AfterSave(data, loaded, target);
}

}  // namespace tarno
