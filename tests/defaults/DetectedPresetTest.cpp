// The preset tarno-cli detect names for each shared archive, as "Select and
// extract" chooses it: it loads every entry it has a layout for, and those
// entries, saved unedited through the grid and written into the archive, leave
// every entry as it was; the entries it has no layout for are named and kept.
#include <gtest/gtest.h>

#include "ArchiveWorkflow.h"
#include "DefaultsTestSupport.h"
#include "LoadSave.h"
#include "ScriptSession.h"
#include "SettingsPresets.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

using test::RunProgram;

std::string SharedArchive(const std::string& name) { return std::string(TARNO_SAMPLES_DIR) + "/" + name; }

// Load and Save of the window, with nothing edited in between.
bool SaveUnedited(const std::string& settings, const std::string& path, std::vector<std::string>& log) {
  const LogSink sink = [&](const std::string& line) { log.push_back(line); };
  const auto data = LoadDataFile(settings, path, sink);
  grid::CellStore grid;
  return data && FillLoadedGrid(*data, grid, sink) && TakeGridBack(*data, grid, false, sink) &&
         SaveRecords(*data, path, false, sink);
}

class DetectedPreset : public ::testing::TestWithParam<std::string> {};

TEST_P(DetectedPreset, SavesEveryEntryItReadsUnchangedAndKeepsTheOthers) {
  ASSERT_TRUE(test::EngineBuildsUtf16Text()) << test::kUtf16EngineFault;
  ScriptSession script;
  ASSERT_TRUE(script.Reload(test::kDefaultScript, [](const std::string&) {}));
  const auto detected = RunProgram("tarno-cli", {"detect", SharedArchive(GetParam())});
  ASSERT_EQ(detected.exitCode, 0) << detected.err;
  const std::string preset = detected.out.substr(0, detected.out.find('\n'));

  test::TempDir dir;
  const std::string archive = dir.File(GetParam());
  test::WriteFile(archive, test::ReadFile(SharedArchive(GetParam())));  // a copy the test may write
  const std::string folder = dir.File("Extracted") + "/";
  TelevisionArchive extracted;
  ExtractArchive(extracted, archive, folder);
  extracted.Close();
  const std::vector<ArchiveEntry> original = ArchiveEntries(archive);
  int saved = 0;
  for (const ArchiveEntry& entry : original) {
    SCOPED_TRACE(entry.name);
    const bool named = detected.err.find("No layout for " + entry.name + ": its bytes are kept\n") != std::string::npos;
    EXPECT_EQ(named, !TDataObject(preset, entry.name).HasLayout());
    if (named) continue;
    std::vector<std::string> log;
    EXPECT_TRUE(SaveUnedited(preset, folder + entry.name, log)) << (log.empty() ? "" : log.back());
    ++saved;
  }
  EXPECT_EQ(UpdateArchive(archive, folder).replaced, saved);
  const std::vector<ArchiveEntry> written = ArchiveEntries(archive);
  ASSERT_EQ(written.size(), original.size());
  for (size_t i = 0; i < written.size(); ++i) {
    EXPECT_EQ(written[i].name, original[i].name);
    EXPECT_TRUE(written[i].bytes == original[i].bytes) << original[i].name;
  }
}

INSTANTIATE_TEST_SUITE_P(Real, DetectedPreset, ::testing::ValuesIn(test::SampleArchives()),
                         [](const ::testing::TestParamInfo<std::string>& archive) {
                           return test::SampleTestName(archive.param);
                         });

}  // namespace
}  // namespace tarno
