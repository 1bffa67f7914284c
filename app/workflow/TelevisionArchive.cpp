#include "TelevisionArchive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "Errors.h"
#include "FileSystem.h"

namespace tarno {
namespace {

// Television files are well below a megabyte; a larger entry is a damaged or hostile archive.
constexpr zip_uint64_t kMaxEntrySize = 64u << 20;
constexpr zip_uint16_t kExtendedTimestampField = 0x5455;
constexpr double kZipTimeResolution = 2.0;

std::string ZipErrorText(zip_t* archive) { return zip_strerror(archive); }

std::string OpenErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

void SetModificationTime(const std::string& path, time_t mtime) {
  const timespec times[2] = {{0, UTIME_OMIT}, {mtime, 0}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    throw FileError(SystemErrorText("Cannot set the time of file", path, errno));
}

}  // namespace

std::string SafeEntryFileName(const std::string& storedName) {
  const size_t separator = storedName.find_last_of("/\\");
  const std::string name = separator == std::string::npos ? storedName : storedName.substr(separator + 1);
  if (name == "." || name == ".." || name.find('\0') != std::string::npos) return {};
  return name;
}

TelevisionArchive::~TelevisionArchive() { Close(); }

void TelevisionArchive::Open(const std::string& path) {
  Close();
  int code = 0;
  archive_ = zip_open(path.c_str(), ZIP_CHECKCONS, &code);
  if (!archive_) throw ArchiveError("Cannot open archive '" + path + "': " + OpenErrorText(code));
  fileName_ = path;
}

void TelevisionArchive::Close() {
  if (archive_) zip_discard(archive_);
  archive_ = nullptr;
  fileName_.clear();
}

std::string TelevisionArchive::EntryFileName(zip_uint64_t index) const {
  const char* stored = zip_get_name(archive_, index, ZIP_FL_ENC_RAW);
  return stored ? SafeEntryFileName(stored) : std::string();
}

void TelevisionArchive::ExtractAll() {
  if (!archive_) throw ArchiveError("No archive is open");
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) ExtractEntry(static_cast<zip_uint64_t>(i));
}

void TelevisionArchive::ExtractEntry(zip_uint64_t index) {
  const std::string name = EntryFileName(index);
  if (name.empty()) return;  // a folder entry, or a name that leads nowhere safe
  zip_stat_t info;
  zip_stat_init(&info);
  if (zip_stat_index(archive_, index, 0, &info) != 0) throw ArchiveError(ZipErrorText(archive_));
  if (!(info.valid & ZIP_STAT_SIZE) || info.size > kMaxEntrySize)
    throw ArchiveError("Archive entry '" + name + "' is too large");
  zip_file_t* entry = zip_fopen_index(archive_, index, 0);
  if (!entry) throw ArchiveError(ZipErrorText(archive_));
  std::string bytes(static_cast<size_t>(info.size), '\0');
  const zip_int64_t read = zip_fread(entry, bytes.data(), info.size);
  zip_fclose(entry);
  if (read < 0 || static_cast<zip_uint64_t>(read) != info.size)
    throw ArchiveError("Cannot read archive entry '" + name + "'");
  const std::string path = JoinFolder(baseDirectory_, name);
  WriteFileAtomically(path, bytes);
  if (info.valid & ZIP_STAT_MTIME) SetModificationTime(path, info.mtime);
}

int TelevisionArchive::FreshenAll() {
  if (!archive_) return 0;
  int marked = 0;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) marked += FreshenEntry(static_cast<zip_uint64_t>(i)) ? 1 : 0;
  return marked;
}

bool TelevisionArchive::FreshenEntry(zip_uint64_t index) {
  const std::string name = EntryFileName(index);
  if (name.empty()) return false;
  const std::string path = JoinFolder(baseDirectory_, name);
  struct stat file {};
  if (::stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode) || ::access(path.c_str(), R_OK) != 0) return false;
  zip_stat_t info;
  zip_stat_init(&info);
  if (zip_stat_index(archive_, index, 0, &info) != 0) return false;
  const bool sameSize = (info.valid & ZIP_STAT_SIZE) && info.size == static_cast<zip_uint64_t>(file.st_size);
  const bool sameTime = (info.valid & ZIP_STAT_MTIME) && std::abs(std::difftime(file.st_mtime, info.mtime)) < kZipTimeResolution;
  if (sameSize && sameTime) return false;
  zip_source_t* source = zip_source_file(archive_, path.c_str(), 0, 0);
  if (!source) throw ArchiveError(ZipErrorText(archive_));
  if (zip_file_replace(archive_, index, source, 0) != 0) {
    zip_source_free(source);
    throw ArchiveError(ZipErrorText(archive_));
  }
  zip_file_set_mtime(archive_, index, file.st_mtime, 0);
  // The old extended time field would contradict the new entry time for other readers.
  zip_file_extra_field_delete_by_id(archive_, index, kExtendedTimestampField, ZIP_EXTRA_FIELD_ALL,
                                    ZIP_FL_CENTRAL | ZIP_FL_LOCAL);
  return true;
}

void TelevisionArchive::Save() {
  if (!archive_) return;
  if (zip_close(archive_) != 0) {
    const std::string error = ZipErrorText(archive_);
    throw ArchiveError("Cannot write archive '" + fileName_ + "': " + error);
  }
  archive_ = nullptr;
  fileName_.clear();
}

}  // namespace tarno
