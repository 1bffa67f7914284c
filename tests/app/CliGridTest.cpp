// tarno-cli show and roundtrip over real channel maps.
#include <gtest/gtest.h>

#include <sstream>

#include "RunProgram.h"

namespace tarno {
namespace {

using test::RunProgram;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
const std::string kScript = test::SourcePath("data/TarnoChannelEdit.rops");

struct NameField {
  size_t offset;
  size_t size;
};

struct ChannelMap {
  const char* name;
  size_t recordSize;
  std::vector<NameField> names;  // UTF-16 big-endian text fields
};

const ChannelMap kMaps[] = {
    {"map-AirA", 64, {{20, 12}}},
    {"map-AirD", 320, {{64, 200}, {264, 18}}},
    {"map-CableD", 320, {{64, 200}, {264, 18}}},
    {"map-SateD", 168, {{36, 100}}},
};

// What the default script's name conversion does to a field: units up to the
// first zero unit stay as they are (blanks at the ends included), everything
// behind it becomes zero.
std::string ShownAndStoredBack(std::string field) {
  size_t end = 0;
  while (end + 1 < field.size() && (field[end] != '\0' || field[end + 1] != '\0')) end += 2;
  for (size_t i = end; i < field.size(); ++i) field[i] = '\0';
  return field;
}

// Our engine runs the name conversion of the default script only once it can
// build UTF-16 text from a unit's code (the reference engine can).
bool EngineBuildsUtf16Text() {
  const auto result = RunProgram("pscript-run", {"convert", kScript, "NameBE_DataToText", "38", "58", "0", "0", "2",
                                                 "47", ""});
  return result.exitCode == 0 && result.out.find("NameBE_DataToText -> True") != std::string::npos;
}

std::string Normalised(const std::string& record, const ChannelMap& map) {
  std::string expected = record;
  for (const NameField& name : map.names)
    expected.replace(name.offset, name.size, ShownAndStoredBack(record.substr(name.offset, name.size)));
  return expected;
}

class RealChannelMaps : public ::testing::TestWithParam<std::string> {};

TEST_P(RealChannelMaps, RoundTripChangesOnlyWhatTextCellsCannotHold) {
  if (!EngineBuildsUtf16Text()) GTEST_SKIP() << "our script engine cannot build UTF-16 text yet";
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  for (const ChannelMap& map : kMaps) {
    const std::string source = dir.File(map.name);
    if (!std::filesystem::exists(source)) continue;
    SCOPED_TRACE(map.name);
    const auto plain = RunProgram("tarno-cli", {"roundtrip", "--ini", kSettings, "--script", kScript, source, dir.File("plain")});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const auto crc = RunProgram("tarno-cli", {"roundtrip", "--ini", kSettings, "--script", kScript, "--crc", source,
                                                dir.File("crc")});
    ASSERT_EQ(crc.exitCode, 0) << crc.err;
    const std::string original = test::ReadFile(source);
    const std::string copy = test::ReadFile(dir.File("plain"));
    const std::string withCrc = test::ReadFile(dir.File("crc"));
    ASSERT_EQ(copy.size(), original.size());
    int changed = 0;
    for (size_t at = 0; at < original.size(); at += map.recordSize) {
      const std::string record = original.substr(at, map.recordSize);
      EXPECT_EQ(copy.substr(at, map.recordSize), Normalised(record, map)) << "record " << at / map.recordSize;
      changed += copy.compare(at, map.recordSize, record) != 0;
      // Regenerated check bytes are the sum of everything before them.
      unsigned sum = 0;
      for (size_t i = 0; i + 1 < map.recordSize; ++i) sum += static_cast<unsigned char>(withCrc[at + i]);
      EXPECT_EQ(static_cast<unsigned char>(withCrc[at + map.recordSize - 1]), sum & 0xFF);
    }
    RecordProperty(map.name, changed);
  }
}

INSTANTIATE_TEST_SUITE_P(Real, RealChannelMaps, ::testing::ValuesIn(test::SampleArchives()),
                         [](const ::testing::TestParamInfo<std::string>& archive) {
                           return test::SampleTestName(archive.param);
                         });

TEST(CliShow, PrintsCaptionsThenEveryRowTabSeparated) {
  if (!EngineBuildsUtf16Text()) GTEST_SKIP() << "our script engine cannot build UTF-16 text yet";
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path()));
  const auto result = RunProgram("tarno-cli", {"show", "--ini", kSettings, "--script", kScript, dir.File("map-CableD")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::istringstream lines(result.out);
  std::string header;
  std::getline(lines, header);
  EXPECT_EQ(header.rfind(" Nr\t Name\t Short\t Fav1\t", 0), 0u);
  int rows = 0;
  std::string line;
  std::string second;
  while (std::getline(lines, line)) {
    if (++rows == 2) second = line;
  }
  EXPECT_EQ(rows, 1000);
  EXPECT_EQ(second.rfind("00002\t1-2-3.tv\t\t-1\t-1\t-1\t-1\t-1\t", 0), 0u) << second;
}

TEST(CliShow, FailuresAreReportedOnStandardError) {
  test::TempDir dir;
  test::WriteFile(dir.File("F"), std::string(8, 'x'));
  test::WriteFile(dir.File("settings.ini"), "[F]\nITEM = T, 4, 4, /, , 1\n[G]\nITEM = S, 4, 4, #Conv, , 1\n");
  test::WriteFile(dir.File("G"), std::string(8, 'x'));
  const auto script = RunProgram("tarno-cli", {"show", "--ini", dir.File("settings.ini"), dir.File("G")});
  EXPECT_EQ(script.exitCode, 2);
  EXPECT_EQ(script.err, "tarno-cli: Script error: No script\n");
  // A 4-byte text element has no text form, so the take-back fails.
  const auto back = RunProgram("tarno-cli", {"roundtrip", "--ini", dir.File("settings.ini"), dir.File("F"),
                                             dir.File("out")});
  EXPECT_EQ(back.exitCode, 2);
  EXPECT_EQ(back.err, "tarno-cli: Error in data\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

}  // namespace
}  // namespace tarno

namespace tarno {
namespace {


TEST(CliScript, ConversionFunctionsOfAScriptShowAndStoreFields) {
  test::TempDir dir;
  const std::string script = std::string(TARNO_SAMPLES_DIR) + "/../../tools/psoracle/samples/fieldconv.pas";
  test::WriteFile(dir.File("settings.ini"), "[F]\nITEM = Freq, 4, 2, UFreq, , 1\n");
  test::WriteFile(dir.File("F"), std::string("\x00\x00\x80\x3f\x00\x40\x9c\x45", 8));
  const auto shown = RunProgram("tarno-cli", {"show", "--ini", dir.File("settings.ini"), "--script", script, dir.File("F")});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(shown.out, " Freq\n0;32831\n64;40005\n");  // 2-byte big-endian numbers, ';'-separated
  const auto back = RunProgram("tarno-cli", {"roundtrip", "--ini", dir.File("settings.ini"), "--script", script,
                                             dir.File("F"), dir.File("out")});
  ASSERT_EQ(back.exitCode, 0) << back.err;
  EXPECT_EQ(back.out.rfind("Script loaded without errors\nLoading F\nData loaded\n", 0), 0u);
  EXPECT_EQ(test::ReadFile(dir.File("out")), test::ReadFile(dir.File("F")));
}

TEST(CliScript, EditTypesIntoAScriptConvertedField) {
  test::TempDir dir;
  const std::string script = std::string(TARNO_SAMPLES_DIR) + "/../../tools/psoracle/samples/fieldconv.pas";
  test::WriteFile(dir.File("settings.ini"), "[F]\nITEM = Freq, 4, 2, UFreq, , 1\n");
  test::WriteFile(dir.File("F"), std::string("\x00\x00\x80\x3f\x00\x40\x9c\x45", 8));
  const auto edited = RunProgram("tarno-cli", {"edit", "--ini", dir.File("settings.ini"), "--script", script,
                                               dir.File("F"), dir.File("out"), "select=1,2", "type=1;258"});
  ASSERT_EQ(edited.exitCode, 0) << edited.err;
  EXPECT_EQ(test::ReadFile(dir.File("out")), std::string("\x00\x00\x80\x3f\x00\x01\x01\x02", 8));
}

TEST(CliScript, AFaultyScriptIsReportedAndTheFileNeedsNone) {
  test::TempDir dir;
  test::WriteFile(dir.File("settings.ini"), "[F]\nITEM = Freq, 4, 2, UFreq, , 1\n[G]\nITEM = N, 1, 1, , , 1\n");
  test::WriteFile(dir.File("F"), "1234");
  test::WriteFile(dir.File("G"), "1");
  test::WriteFile(dir.File("bad.rops"), "function Initialize(var V: Variant): Boolean;\nbegin\n  Result := Undefined;\nend;\n");
  const auto faulty =
      RunProgram("tarno-cli", {"show", "--ini", dir.File("settings.ini"), "--script", dir.File("bad.rops"), dir.File("F")});
  EXPECT_EQ(faulty.exitCode, 2);
  EXPECT_EQ(faulty.err.rfind("Could not compile script: Error: Undefined at [3, 13]\r\n", 0), 0u) << faulty.err;
  EXPECT_NE(faulty.err.find("tarno-cli: Script error: No script\n"), std::string::npos);
  const auto plain =
      RunProgram("tarno-cli", {"show", "--ini", dir.File("settings.ini"), "--script", dir.File("bad.rops"), dir.File("G")});
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_EQ(plain.out, " N\n049\n");
}

}  // namespace
}  // namespace tarno
