// Local file helpers shared by everything that reads or writes user files.
#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tarno {

// The path of an existing file whose name matches path's name without regard to
// ASCII case, when no file of exactly that name exists; otherwise path itself.
// Television archives and users spell the same entry in different cases.
std::string ResolveFileName(const std::string& path);

// No file the program reads whole comes near this; a larger one is refused
// rather than filling memory.
inline constexpr size_t kMaxWholeFileBytes = size_t{1} << 30;

// Reads a whole regular file of at most maxBytes; throws FileError when it
// cannot be opened or read, is no regular file (a pipe or a device would never
// end) or is larger.
std::string ReadWholeFile(const std::string& path, size_t maxBytes = kMaxWholeFileBytes);
// Writes all bytes to the descriptor, retrying short writes and interrupted calls.
bool WriteAll(int fd, std::string_view bytes);
// A descriptor open for reading on the regular file at path (case-resolved),
// for the caller to close. A pipe, device or folder is refused with FileError
// before anything could wait on it.
int OpenRegularFileForReading(const std::string& path);

struct AtomicWriteOptions {
  // A symbolic link at the path: true writes the file it leads to and keeps
  // the link; false replaces the link itself (extraction stays in its folder).
  bool followLinks = true;
  // Whether the data reaches the disk before the rename; copies that can be
  // made again (extracted entries) skip the wait.
  bool syncToDisk = true;
  std::optional<time_t> modificationTime;
};

// The file that WriteFileAtomically(path) would replace: path with its letter
// case resolved and, when so chosen, its symbolic links followed. Throws
// FileError when that file exists but is no regular file, or is write-protected
// (no one may write it, or this process may not), so that it stays untouched.
std::string ReplaceableFile(const std::string& path, bool followLinks = true);

// Writes a temporary file beside the replaced file, flushes it to disk and
// renames it over that file, so the old file stays whole unless everything was
// written. Temporaries that killed writes left in that folder go first. Throws FileError.
void WriteFileAtomically(const std::string& path, std::string_view bytes, const AtomicWriteOptions& options = {});

// Folder part of a path including the trailing '/', or "" for a bare name.
std::string FolderOf(const std::string& path);
// Name part of a path (after the last '/').
std::string BareNameOf(const std::string& path);

}  // namespace tarno
