// Local file helpers shared by everything that reads or writes user files.
#pragma once

#include <string>
#include <string_view>

namespace tarno {

// The path of an existing file whose name matches path's name without regard to
// ASCII case, when no file of exactly that name exists; otherwise path itself.
// Television archives and users spell the same entry in different cases.
std::string ResolveFileName(const std::string& path);

// Reads a whole file; throws FileError when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Writes a temporary file beside path, flushes it to disk and renames it over
// path, so the old file stays whole unless everything was written. Throws FileError.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Folder part of a path including the trailing '/', or "" for a bare name.
std::string FolderOf(const std::string& path);
// Name part of a path (after the last '/').
std::string BareNameOf(const std::string& path);

}  // namespace tarno
