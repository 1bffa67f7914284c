// Real television archives: every entry survives load and save byte for byte
// with the settings of its family.
#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "SampleFamilies.h"

namespace tarno {
namespace {

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");

class SampleArchive : public ::testing::TestWithParam<std::string> {};

TEST_P(SampleArchive, EveryEntryLoadsAndSavesByteForByte) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path() / "in"));
  std::filesystem::create_directory(dir.Path() / "out");
  const std::string settings = test::SettingsFor(dir.Path() / "in");
  int entries = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir.Path() / "in")) {
    const std::string name = file.path().filename().string();
    if (test::NoSettingsRead(name)) continue;
    SCOPED_TRACE(name);
    TDataObject data(settings, name);
    ASSERT_TRUE(data.HasLayout()) << "no layout for an entry of a real archive";
    ASSERT_TRUE(data.LoadFromFile(file.path().string()));
    const std::string copy = (dir.Path() / "out" / name).string();
    ASSERT_TRUE(data.SaveToFile(copy, false));
    EXPECT_EQ(test::ReadFile(copy), test::ReadFile(file.path().string()));
    ++entries;
  }
  EXPECT_GE(entries, 10);
}

TEST_P(SampleArchive, ChannelMapChecksumsAreAlreadyConsistent) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  for (const char* name : {"map-AirA", "map-AirD", "map-CableD"}) {
    const std::string path = (dir.Path() / name).string();
    if (!std::filesystem::exists(path)) continue;
    SCOPED_TRACE(name);
    TDataObject data(kSettings, name);
    ASSERT_TRUE(data.LoadFromFile(path));
    const std::vector<TDataByteArray> before = data.Records;
    ASSERT_TRUE(data.UpdateChecksums());
    EXPECT_TRUE(data.Records == before);
  }
}

std::string ArchiveTestName(const ::testing::TestParamInfo<std::string>& archive) {
  return test::SampleTestName(archive.param);
}

INSTANTIATE_TEST_SUITE_P(Real, SampleArchive, ::testing::ValuesIn(test::SampleArchives()), ArchiveTestName);

}  // namespace
}  // namespace tarno
