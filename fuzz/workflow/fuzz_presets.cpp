// Any file chosen as a television archive: listing its entries, extracting them
// and fitting the presets to them either fails with the archive's own errors or
// gives an answer; it never reads out of bounds, crashes or hangs.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "Errors.h"
#include "FileSystem.h"
#include "SettingsPresets.h"
#include "TelevisionArchive.h"

namespace {

namespace fs = std::filesystem;

// One folder per process, emptied for every input.
const fs::path& WorkFolder() {
  static const fs::path folder = fs::temp_directory_path() / ("tarno-fuzz-presets-" + std::to_string(::getpid()));
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& work = WorkFolder();
  std::error_code ignored;
  fs::remove_all(work, ignored);
  fs::create_directories(work / "extracted");
  const std::string archive = (work / "input.scm").string();
  tarno::WriteFileAtomically(archive, std::string(reinterpret_cast<const char*>(data), size));
  try {
    tarno::TelevisionArchive opened;
    opened.Open(archive);
    const auto entries = tarno::ArchiveEntries(archive);
    opened.SetBaseDirectory((work / "extracted").string());
    opened.ExtractAll();
    tarno::FitPresets(tarno::PresetFiles(TARNO_LAYOUTS_DIR), (work / "extracted").string(), entries);
  } catch (const tarno::ArchiveError&) {
  } catch (const tarno::FileError&) {
  }
  return 0;
}
