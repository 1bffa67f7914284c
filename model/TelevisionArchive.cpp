#include "TelevisionArchive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>
#include <zlib.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <algorithm>
#include <map>
#include <optional>

#include "AsciiText.h"
#include "Errors.h"
#include "FileSystem.h"
#include "LayoutReader.h"

namespace tarno {
namespace {

// Television files are well below a megabyte; a larger entry is a damaged or hostile archive.
constexpr zip_uint64_t kMaxEntrySize = 64u << 20;
constexpr zip_uint16_t kExtendedTimestampField = 0x5455;
constexpr double kZipTimeResolution = 2.0;
constexpr size_t kMaxFileNameLength = NAME_MAX;

std::string ZipErrorText(zip_t* archive) { return zip_strerror(archive); }

std::string JoinFolder(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// A copy of bytes from malloc, for a buffer source to free; none for no bytes
// or when memory runs out.
void* BufferCopy(const std::string& bytes) {
  void* copy = bytes.empty() ? nullptr : std::malloc(bytes.size());
  if (copy) std::memcpy(copy, bytes.data(), bytes.size());
  return copy;
}

// The file that may replace an entry: a regular file this process can read.
std::optional<struct stat> ReadableRegularFile(const std::string& path) {
  struct stat file {};
  if (::stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode) || ::access(path.c_str(), R_OK) != 0)
    return std::nullopt;
  return file;
}

}  // namespace

std::string SafeEntryFileName(const std::string& storedName) {
  const size_t separator = storedName.find_last_of("/\\");
  const std::string name = separator == std::string::npos ? storedName : storedName.substr(separator + 1);
  if (name == "." || name == ".." || name.find('\0') != std::string::npos) return {};
  return name;
}

ArchiveFingerprint FingerprintOf(std::string_view bytes) {
  uLong crc = ::crc32(0L, Z_NULL, 0);
  for (size_t done = 0; done < bytes.size();) {
    const size_t chunk = std::min<size_t>(bytes.size() - done, 1u << 30);
    crc = ::crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + done), static_cast<uInt>(chunk));
    done += chunk;
  }
  return {bytes.size(), static_cast<uint32_t>(crc)};
}

TelevisionArchive::~TelevisionArchive() { Close(); }

void TelevisionArchive::Open(const std::string& path) {
  Close();
  std::string bytes;
  try {
    bytes = ReadWholeFile(path, kMaxArchiveBytes);
  } catch (const FileError& error) {
    throw ArchiveError("Cannot open archive '" + path + "': " + error.what());
  }
  OpenFromMemory(path, std::move(bytes));
}

void TelevisionArchive::OpenFromMemory(const std::string& path, std::string bytes) {
  Close();
  // The buffer source frees the buffer it was made with once the archive is
  // rewritten, whatever it was told: it gets a copy of its own, from malloc.
  // (An empty one has no entry to replace, so it is never rewritten.)
  void* copy = BufferCopy(bytes);
  if (!bytes.empty() && !copy) throw ArchiveError("Cannot open archive '" + path + "': out of memory");
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(copy, bytes.size(), copy ? 1 : 0, &error);
  if (!source) std::free(copy);
  OpenSource(path, source, ZIP_CHECKCONS);
  fingerprint_ = FingerprintOf(bytes);
  keptStamps_ = EntryStamps(bytes);
  try {
    CheckDirectory();
  } catch (...) {
    Close();
    throw;
  }
}

void TelevisionArchive::Create(const std::string& name) {
  Close();
  OpenSource(name, zip_source_buffer_create(nullptr, 0, 0, nullptr), ZIP_CREATE | ZIP_TRUNCATE);
  fingerprint_ = {};
}

// Opens the archive in source (none: out of memory), which it takes over.
void TelevisionArchive::OpenSource(const std::string& path, zip_source_t* source, int flags) {
  zip_error_t error;
  zip_error_init(&error);
  if (!source) zip_error_set(&error, ZIP_ER_MEMORY, 0);
  zip_t* archive = source ? zip_open_from_source(source, flags, &error) : nullptr;
  if (!archive) {
    const std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (source) zip_source_free(source);
    throw ArchiveError("Cannot open archive '" + path + "': " + text);
  }
  zip_error_fini(&error);
  zip_source_keep(source);  // the archive's reference goes with it; this one reads the rewritten bytes
  archive_ = archive;
  source_ = source;
  fileName_ = path;
}

void TelevisionArchive::AddEntry(const std::string& name, const std::string& bytes) {
  if (!archive_) throw ArchiveError("No archive is open");
  void* copy = BufferCopy(bytes);
  if (!bytes.empty() && !copy) throw ArchiveError("Cannot add '" + name + "': out of memory");
  zip_source_t* source = zip_source_buffer(archive_, copy, bytes.size(), 1);
  if (!source) std::free(copy);
  if (!source || zip_file_add(archive_, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
    const std::string error = ZipErrorText(archive_);
    if (source) zip_source_free(source);
    throw ArchiveError("Cannot add '" + name + "': " + error);
  }
  keptStamps_.erase(name);
  ++replaced_;
}

void TelevisionArchive::Close() {
  if (archive_) zip_discard(archive_);
  if (source_) zip_source_free(source_);
  archive_ = nullptr;
  source_ = nullptr;
  fileName_.clear();
  replaced_ = 0;
  keptStamps_.clear();
}

std::string TelevisionArchive::EntryFileName(zip_uint64_t index) const {
  const char* stored = zip_get_name(archive_, index, ZIP_FL_ENC_RAW);
  return stored ? SafeEntryFileName(stored) : std::string();
}

// The limits and the one-file-per-name rule, from the directory alone.
void TelevisionArchive::CheckDirectory() const {
  const std::string archiveName = "Archive '" + BareNameOf(fileName_) + "'";
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  if (count < 0 || static_cast<uint64_t>(count) > kMaxArchiveEntries)
    throw ArchiveError(archiveName + " holds " + std::to_string(count) + " entries, more than any television writes");
  uint64_t total = 0;
  std::map<std::string, std::string> names;  // upper case -> as stored
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(archive_, index, 0, &info) != 0 || !(info.valid & ZIP_STAT_SIZE))
      throw ArchiveError(archiveName + " is damaged: " + ZipErrorText(archive_));
    total += info.size;
    if (info.size > kMaxEntrySize || total > kMaxArchiveBytes)
      throw ArchiveError(archiveName + " unpacks to more bytes than any television writes");
    const std::string name = EntryFileName(index);
    if (name.empty()) continue;
    if (name.size() > kMaxFileNameLength)
      throw ArchiveError(archiveName + " is damaged: an entry's name is longer than a file name may be");
    const auto [seen, added] = names.emplace(text::UpperAscii(name), name);
    if (!added)
      throw ArchiveError(archiveName + " is damaged: its entries '" + seen->second + "' and '" + name +
                         "' are the same file");
  }
}

ArchiveEntry TelevisionArchive::ReadEntry(zip_uint64_t index, const std::string& name) const {
  const std::string damaged = "Archive entry '" + name + "' is damaged: ";
  zip_stat_t info;
  zip_stat_init(&info);
  if (zip_stat_index(archive_, index, 0, &info) != 0) throw ArchiveError(damaged + ZipErrorText(archive_));
  if (!(info.valid & ZIP_STAT_SIZE) || info.size > kMaxEntrySize)
    throw ArchiveError("Archive entry '" + name + "' is too large");
  zip_file_t* entry = zip_fopen_index(archive_, index, 0);
  if (!entry) throw ArchiveError(damaged + ZipErrorText(archive_));
  ArchiveEntry result{name, std::string(static_cast<size_t>(info.size), '\0'), info.mtime,
                      (info.valid & ZIP_STAT_MTIME) != 0};
  const zip_int64_t read = zip_fread(entry, result.bytes.data(), info.size);
  const std::string readError = read < 0 ? zip_file_strerror(entry) : "";
  zip_fclose(entry);
  if (read < 0) throw ArchiveError(damaged + readError);
  if (static_cast<zip_uint64_t>(read) != info.size) throw ArchiveError(damaged + "it is shorter than stored");
  // The library checks the CRC only when it reads past the end; it is checked here whatever it does.
  const auto crc = ::crc32(::crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(result.bytes.data()),
                           static_cast<uInt>(result.bytes.size()));
  if ((info.valid & ZIP_STAT_CRC) && crc != info.crc) throw ArchiveError(damaged + "CRC mismatch");
  return result;
}

std::vector<std::string> TelevisionArchive::EntryNames() const {
  std::vector<std::string> names;
  if (!archive_) return names;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    std::string name = EntryFileName(static_cast<zip_uint64_t>(i));
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

std::vector<ArchiveEntry> TelevisionArchive::ReadEntries() const {
  if (!archive_) throw ArchiveError("No archive is open");
  std::vector<ArchiveEntry> entries;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const std::string name = EntryFileName(index);
    if (!name.empty()) entries.push_back(ReadEntry(index, name));  // else a folder entry, or a name leading nowhere safe
  }
  return entries;
}

std::vector<std::string> TelevisionArchive::ExtractAll() {
  const std::vector<ArchiveEntry> entries = ReadEntries();
  std::vector<std::string> targets;
  for (const ArchiveEntry& entry : entries)
    targets.push_back(ReplaceableFile(JoinFolder(baseDirectory_, entry.name), false));
  for (size_t i = 0; i < entries.size(); ++i) {
    AtomicWriteOptions options;
    options.followLinks = false;  // a link in the folder is replaced, never written through
    options.syncToDisk = false;   // the archive holds them all: extraction can be repeated
    if (entries[i].hasModificationTime) options.modificationTime = entries[i].modificationTime;
    WriteFileAtomically(targets[i], entries[i].bytes, options);
  }
  return EntryNames();
}

int TelevisionArchive::FreshenAll() {
  if (!archive_) return 0;
  int marked = 0;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) marked += FreshenEntry(static_cast<zip_uint64_t>(i)) ? 1 : 0;
  replaced_ += marked;
  return marked;
}

bool TelevisionArchive::FreshenEntry(zip_uint64_t index) {
  const std::string name = EntryFileName(index);
  if (name.empty()) return false;
  const std::string path = JoinFolder(baseDirectory_, name);
  const auto file = ReadableRegularFile(path);
  if (!file) return false;
  zip_stat_t info;
  zip_stat_init(&info);
  if (zip_stat_index(archive_, index, 0, &info) != 0) return false;
  const bool sameSize = (info.valid & ZIP_STAT_SIZE) && info.size == static_cast<zip_uint64_t>(file->st_size);
  const bool sameTime =
      (info.valid & ZIP_STAT_MTIME) && std::abs(std::difftime(file->st_mtime, info.mtime)) < kZipTimeResolution;
  if (sameSize && sameTime) return false;
  ReplaceEntry(index, path, file->st_mtime);
  return true;
}

int TelevisionArchive::ReplaceNamed(const std::vector<std::string>& names) {
  if (!archive_) return 0;
  int replaced = 0;
  const zip_int64_t count = zip_get_num_entries(archive_, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const std::string name = EntryFileName(index);
    if (name.empty() || std::find(names.begin(), names.end(), name) == names.end()) continue;
    const std::string path = ResolveFileName(JoinFolder(baseDirectory_, name));
    const auto file = ReadableRegularFile(path);
    if (!file) continue;
    ReplaceEntry(index, path, file->st_mtime);
    ++replaced;
  }
  replaced_ += replaced;
  return replaced;
}

void TelevisionArchive::ReplaceEntry(zip_uint64_t index, const std::string& path, time_t modified) {
  // The entry stays the system's and attributes its writer gave it (the
  // newer sets write DOS ones), whatever system writes it back.
  zip_uint8_t system = ZIP_OPSYS_DEFAULT;
  zip_uint32_t attributes = 0;
  const bool hasAttributes = zip_file_get_external_attributes(archive_, index, 0, &system, &attributes) == 0;
  // From memory: a file source would stamp the entry with the file's system and mode.
  const std::string bytes = ReadWholeFile(path, kMaxArchiveBytes);
  void* copy = BufferCopy(bytes);
  zip_source_t* source = zip_source_buffer(archive_, copy, bytes.size(), 1);
  if (!source) {
    std::free(copy);
    throw ArchiveError(ZipErrorText(archive_));
  }
  if (zip_file_replace(archive_, index, source, 0) != 0) {
    zip_source_free(source);
    throw ArchiveError(ZipErrorText(archive_));
  }
  if (hasAttributes) zip_file_set_external_attributes(archive_, index, 0, system, attributes);
  zip_file_set_mtime(archive_, index, modified, 0);
  if (const char* stored = zip_get_name(archive_, index, ZIP_FL_ENC_RAW)) keptStamps_.erase(stored);
  // The old extended time field would contradict the new entry time for other readers.
  zip_file_extra_field_delete_by_id(archive_, index, kExtendedTimestampField, ZIP_EXTRA_FIELD_ALL,
                                    ZIP_FL_CENTRAL | ZIP_FL_LOCAL);
}

void TelevisionArchive::Save() { SaveTo(std::string(fileName_)); }

void TelevisionArchive::SaveTo(const std::string& path) {
  if (!archive_) return;
  if (replaced_ == 0 && path == fileName_) {  // nothing to write: the file keeps its bytes and its time
    Close();
    return;
  }
  ReplaceableFile(path);  // a write-protected archive is refused before any work
  WriteFileAtomically(path, WrittenArchive());
  Close();
}

// Lets the library write the archive with its replaced entries into memory.
std::string TelevisionArchive::WrittenArchive() {
  if (zip_close(archive_) != 0) {
    const std::string error = ZipErrorText(archive_);
    throw ArchiveError("Cannot write archive '" + fileName_ + "': " + error);
  }
  archive_ = nullptr;
  zip_stat_t info;
  zip_stat_init(&info);
  std::string bytes;
  if (zip_source_stat(source_, &info) == 0 && (info.valid & ZIP_STAT_SIZE) && zip_source_open(source_) == 0) {
    bytes.resize(static_cast<size_t>(info.size));
    const zip_int64_t read = zip_source_read(source_, bytes.data(), info.size);
    zip_source_close(source_);
    if (read == static_cast<zip_int64_t>(info.size)) {
      SetEntryStamps(bytes, keptStamps_);
      return bytes;
    }
  }
  throw ArchiveError("Cannot write archive '" + fileName_ + "'");
}

}  // namespace tarno
