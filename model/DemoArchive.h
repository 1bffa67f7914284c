// A small made-up television archive with invented channels, plausible
// numbers and correct check bytes, for trying the editor and for tests.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tarno {

// Writes the demo archive to archivePath: every record built field by field,
// each field found by its caption in the layouts of settingsFile and its text
// stored through the conversions of the script at scriptFile, as if typed
// into the grid. Returns the number of entries written. Throws ArchiveError,
// FileError or DemoArchiveError (a script that does not load, a layout the
// demo's fields do not fit).
size_t WriteDemoArchive(const std::string& settingsFile, const std::string& scriptFile,
                        const std::string& archivePath);

class DemoArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tarno
