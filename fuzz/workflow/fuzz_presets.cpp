// Any file chosen as a television archive: listing its entries with every check
// of an extraction and fitting the presets to them either fails with the
// archive's own errors or gives an answer; it never reads out of bounds,
// crashes or hangs. The archive is read from memory: the file path through the
// same reader is the archive target's.
#include <string>
#include <vector>

#include "Errors.h"
#include "SettingsPresets.h"
#include "TelevisionArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<std::string> presets = tarno::PresetFiles(TARNO_LAYOUTS_DIR);
  try {
    tarno::TelevisionArchive archive;
    archive.OpenFromMemory("input.scm", std::string(reinterpret_cast<const char*>(data), size));
    tarno::FitPresets(presets, tarno::ArchiveEntries(archive));
  } catch (const tarno::ArchiveError&) {
  } catch (const tarno::FileError&) {
  }
  return 0;
}
