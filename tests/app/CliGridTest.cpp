// tarno-cli show and roundtrip over real channel maps.
#include <gtest/gtest.h>

#include <sstream>

#include "RunProgram.h"
#include "SampleFamilies.h"

namespace tarno {
namespace {

using test::RunProgram;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
const std::string kScript = test::SourcePath("data/TarnoChannelEdit.rops");

struct ChannelMap {
  const char* name;
  size_t recordSize;
  size_t nameAt;  // the name field, shown in column 2
  size_t nameSize;
  bool counted;  // the field begins with the name's 16-bit byte count
};

// The channel maps with their family's record sizes.
std::vector<ChannelMap> Maps(const std::string& family) {
  const test::ChannelMapSizes& sizes = test::SizesOf(family);
  return {
      {"map-AirA", sizes.analog, 18, 14, true},
      {"map-AirD", sizes.digital, 64, 200, false},
      {"map-CableD", sizes.digital, 64, 200, false},
      {"map-SateD", sizes.satellite, 36, 100, false},
  };
}

// Our engine runs the name conversion of the default script only once it can
// build UTF-16 text from a unit's code (the reference engine can).
bool EngineBuildsUtf16Text() {
  const auto result = RunProgram("pscript-run", {"convert", kScript, "NameBE_DataToText", "38", "58", "0", "0", "2",
                                                 "47", ""});
  return result.exitCode == 0 && result.out.find("NameBE_DataToText -> True") != std::string::npos;
}

// The first record whose name field holds anything.
size_t NamedRecord(const std::string& file, const ChannelMap& map) {
  for (size_t at = 0; at < file.size(); at += map.recordSize)
    if (file.find_first_not_of('\0', at + map.nameAt) < at + map.nameAt + map.nameSize) return at / map.recordSize;
  return 0;
}

// "Tarno" as the default script stores it: UTF-16 units high byte first, zeros
// behind, after the count 12 where the field holds one.
std::string StoredTarno(const ChannelMap& map) {
  std::string field(map.nameSize, '\0');
  const size_t first = map.counted ? 2 : 0;
  if (map.counted) field[0] = 12;
  const std::string name = "Tarno";
  for (size_t i = 0; i < name.size(); ++i) field[first + 2 * i + 1] = name[i];
  return field;
}

class RealChannelMaps : public ::testing::TestWithParam<std::string> {};

// The tool saves as the window does: a round trip in either record order gives
// the file back byte for byte, with --crc only check bytes change, and typing a
// name with edit changes that name's field only.
TEST_P(RealChannelMaps, RoundTripKeepsEveryByteAndAnEditOnlyItsField) {
  if (!EngineBuildsUtf16Text()) GTEST_SKIP() << "our script engine cannot build UTF-16 text yet";
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  const std::string settings = test::SettingsFor(dir.Path());
  for (const ChannelMap& map : Maps(test::FamilyOf(dir.Path()))) {
    const std::string source = dir.File(map.name);
    if (!std::filesystem::exists(source)) continue;
    SCOPED_TRACE(map.name);
    // Runs a command with the default settings and script, writing OUT.
    auto run = [&](std::vector<std::string> words) {
      words.insert(words.begin() + 1, {"--ini", settings, "--script", kScript});
      const std::string out = dir.File("out");
      for (std::string& word : words)
        if (word == "OUT") word = out;
      const auto result = RunProgram("tarno-cli", words);
      EXPECT_EQ(result.exitCode, 0) << result.err;
      return test::ReadFile(out);
    };
    const std::string original = test::ReadFile(source);
    EXPECT_TRUE(run({"roundtrip", source, "OUT"}) == original);
    EXPECT_TRUE(run({"roundtrip", "--displayed-order", source, "OUT"}) == original);
    const std::string withCrc = run({"roundtrip", "--crc", source, "OUT"});
    ASSERT_EQ(withCrc.size(), original.size());
    for (size_t at = 0; at < original.size(); at += map.recordSize) {
      EXPECT_EQ(withCrc.compare(at, map.recordSize - 1, original, at, map.recordSize - 1), 0);
      unsigned sum = 0;
      for (size_t i = 0; i + 1 < map.recordSize; ++i) sum += static_cast<unsigned char>(withCrc[at + i]);
      EXPECT_EQ(static_cast<unsigned char>(withCrc[at + map.recordSize - 1]), sum & 0xFF);
    }
    const size_t record = NamedRecord(original, map);
    std::string expected = original;
    expected.replace(record * map.recordSize + map.nameAt, map.nameSize, StoredTarno(map));
    const std::string select = "select=2," + std::to_string(record + 1);
    EXPECT_TRUE(run({"edit", source, "OUT", select, "type=Tarno"}) == expected) << "record " << record;
    EXPECT_TRUE(run({"edit", "--keep-order", source, "OUT", select, "type=Tarno"}) == expected);
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
  // A 4-byte text element has no text form: its cells stay empty, and the file
  // saves as it was while nobody types into them; typed text cannot be stored.
  const auto back = RunProgram("tarno-cli", {"roundtrip", "--ini", dir.File("settings.ini"), dir.File("F"),
                                             dir.File("same")});
  EXPECT_EQ(back.exitCode, 0) << back.err;
  EXPECT_EQ(test::ReadFile(dir.File("same")), test::ReadFile(dir.File("F")));
  const auto typed = RunProgram("tarno-cli", {"edit", "--ini", dir.File("settings.ini"), dir.File("F"),
                                              dir.File("out"), "select=1,2", "type=abcd"});
  EXPECT_EQ(typed.exitCode, 2);
  EXPECT_EQ(typed.err, "tarno-cli: Error in data\n");
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
