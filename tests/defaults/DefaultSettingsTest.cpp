// The default settings, the presets and tarno-cli detect / demo-archive over
// the real television archives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <map>
#include <set>
#include <tuple>

#include "TestFiles.h"
#include "DefaultsTestSupport.h"
#include "LoadSave.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

using test::RunProgram;

struct Expected {
  size_t record;
  bool header;
};

// Record sizes and header words the facts give per family.
std::map<std::string, Expected> Family(const std::string& family) {
  std::map<std::string, Expected> sizes = {
      {"PTCCABLE", {12, false}},         {"PTCAIR", {12, false}},          {"FineTune_Digital", {24, false}},
      {"RadioMap", {24, false}},         {"TSIDList", {12, true}},         {"SatDataBase.dat", {145, true}},
      {"TransponderDataBase.dat", {45, true}}, {"UserTransponderDataBase.dat", {45, true}},
      {"PackageDataBase.dat", {13, true}},     {"ServiceProviders", {108, false}},
      {"CloneInfo", {1, true}},          {"ProductCloneInfo", {1, true}}, {"map-ChKey", {4, false}},
      {"PTCList", {2, false}}};
  auto maps = [&](size_t analog, size_t digital, size_t satellite) {
    sizes["map-AirA"] = sizes["map-CableA"] = {analog, false};
    sizes["map-AirD"] = sizes["map-CableD"] = {digital, false};
    sizes["map-SateD"] = {satellite, false};
  };
  // The provider lists of the D and later sets.
  auto providerMaps = [&] {
    sizes["map-AstraHDPlusD"] = {212, false};
    for (const char* map : {"map-CablePrime_D", "map-FreesatD", "map-TivusatD", "map-CanalDigitalSatD", "map-DigitalPlusD"})
      sizes[map] = {320, false};
  };
  if (family == "1201") {
    maps(64, 320, 168);
    providerMaps();
    sizes["map-CyfraPlusD"] = {172, false};
  }
  if (family == "1101") {
    maps(64, 320, 172);
    providerMaps();
  }
  if (family == "1001") maps(40, 292, 144);
  if (family == "B2009") {
    maps(28, 248, 144);
    sizes["FineTune_Digital"] = {28, false};
    sizes["FineTune"] = {20, false};
    sizes["TransponderDataBase.dat"] = sizes["UserTransponderDataBase.dat"] = {49, true};
  }
  return sizes;
}

std::string PresetPath(const std::string& family) {
  return test::SourcePath("data/layouts/TarnoChannelEdit-" + family + ".ini");
}

TEST(SettingsFiles, TheDefaultIsThe1201Preset) {
  EXPECT_EQ(test::ReadFile(test::kDefaultSettings), test::ReadFile(PresetPath("1201")));
  // The build puts the presets where detect looks for them.
  EXPECT_EQ(test::ReadFile(std::string(TARNO_BIN_DIR) + "/layouts/TarnoChannelEdit-1101.ini"),
            test::ReadFile(PresetPath("1101")));
}

TEST(SettingsFiles, EverySectionHasItsRecordSizeAndColumnsOneToN) {
  for (const std::string family : {"1201", "1101", "1001", "B2009"}) {
    for (const auto& [name, expected] : Family(family)) {
      SCOPED_TRACE(family + " " + name);
      const TDataObject data(PresetPath(family), name);
      ASSERT_TRUE(data.HasLayout());
      EXPECT_EQ(static_cast<size_t>(data.RecordSize()), expected.record);
      EXPECT_EQ(data.HasHeader, expected.header);
      EXPECT_TRUE(data.HasCompleteColumnMap());
      std::set<int> columns;
      int visible = 0;
      for (const TDataItem& item : data.Items) {
        columns.insert(std::abs(item.Column));
        visible += item.Column > 0;
        // Element sizes a conversion can take, and checks only as the last byte.
        EXPECT_TRUE(item.ElementSize == 1 || item.ElementSize == 2 || item.ElementSize == 4) << item.Name;
        if (item.TypeChar == '^') {
          EXPECT_EQ(item.Offset + item.Size, data.RecordSize());
        }
        EXPECT_NE(item.TypeChar, '!') << "no special check rule matches the real files";
      }
      EXPECT_EQ(columns.size(), data.Items.size());
      EXPECT_EQ(*columns.begin(), 1);
      EXPECT_EQ(*columns.rbegin(), static_cast<int>(data.Items.size()));
      // Visible columns first, hidden ones behind them.
      for (const TDataItem& item : data.Items)
        if (item.Column < 0) {
          EXPECT_GT(-item.Column, visible) << item.Name;
        }
    }
  }
}

TEST(SettingsFiles, ChannelMapsCarryTheirSumAndNamesTheirConversion) {
  for (const std::string family : {"1201", "1101", "1001", "B2009"}) {
    for (const std::string map : {"map-AirA", "map-CableA", "map-AirD", "map-CableD", "map-SateD"}) {
      SCOPED_TRACE(family + " " + map);
      const TDataObject data(PresetPath(family), map);
      ASSERT_TRUE(data.HasLayout());
      EXPECT_EQ(data.Items.back().TypeChar, '^');
      EXPECT_EQ(data.Items.back().Size, 1);
      const auto first = std::find_if(data.Items.begin(), data.Items.end(),
                                      [](const TDataItem& item) { return item.Column == 1; });
      ASSERT_NE(first, data.Items.end());
      EXPECT_EQ(first->Name, "Nr");  // the program number comes first
      // Analog names after B-2009 follow their byte count at 18, which the name's field takes in;
      // satellite channel names may fill their field, as the sets write them.
      const bool counted = map.back() == 'A' && family != "B2009";
      const std::string conversion = counted ? "AnalogName" : map == "map-SateD" ? "FillNameBE" : "NameBE";
      bool named = false;
      for (const TDataItem& item : data.Items)
        named = named || (item.Name == "Name" && item.ScriptName == conversion && (!counted || item.Offset == 18));
      EXPECT_TRUE(named);
    }
  }
}

class RealArchives : public ::testing::TestWithParam<std::string> {};

// The default for the later family, the preset for another family whose
// record sizes the archive's channel maps have.
TEST_P(RealArchives, EveryEntryLoadsWithTheSettingsOfItsFamily) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  const std::string settings = test::SettingsFor(dir.Path());
  int entries = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir.Path())) {
    if (test::NoSettingsRead(file.path().filename().string())) continue;
    SCOPED_TRACE(file.path().filename().string());
    std::vector<std::string> log;
    const auto data = LoadDataFile(settings, file.path().string(),
                                   [&](const std::string& line) { log.push_back(line); });
    ASSERT_NE(data, nullptr) << (log.empty() ? "" : log.back());
    EXPECT_EQ(data->Records.size() * static_cast<size_t>(data->RecordSize()) + (data->HasHeader ? 4 : 0),
              std::filesystem::file_size(file.path()));
    ++entries;
  }
  EXPECT_GE(entries, 10);
}

// The detected family is one whose record sizes fit the channel maps, the only
// one where they tell (a D set without a satellite map fits the later family's
// sizes too; its favourites decide, as the window's preset tests show).
TEST_P(RealArchives, DetectNamesAFamilyTheRecordSizesFit) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  const auto result = RunProgram("tarno-cli", {"detect", std::string(TARNO_SAMPLES_DIR) + "/" + GetParam()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
  const std::string prefix = "/layouts/TarnoChannelEdit-";
  const size_t at = result.out.rfind(prefix);
  ASSERT_NE(at, std::string::npos) << result.out;
  const std::string family = result.out.substr(at + prefix.size(), result.out.find(".ini", at) - at - prefix.size());
  const std::vector<std::string> fitting = test::FamiliesFitting(dir.Path());
  EXPECT_NE(std::find(fitting.begin(), fitting.end(), family), fitting.end()) << family;
  if (fitting.size() == 1) {
    EXPECT_EQ(family, fitting.front());
  }
}

// Entries whose every field converts without UTF-16 text come back byte for byte.
TEST_P(RealArchives, EntriesWithoutNamesRoundTripUnchanged) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  for (const std::string entry : {"PTCCABLE", "FineTune_Digital", "RadioMap", "TSIDList", "TransponderDataBase.dat",
                                  "UserTransponderDataBase.dat", "PackageDataBase.dat",
                                  "CloneInfo", "ProductCloneInfo", "map-ChKey", "PTCList"}) {
    const std::string source = dir.File(entry);
    if (!std::filesystem::exists(source)) continue;
    SCOPED_TRACE(entry);
    const auto result = RunProgram("tarno-cli", {"roundtrip", "--ini", test::kDefaultSettings, "--script",
                                                 test::kDefaultScript, source, dir.File("out")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(test::ReadFile(dir.File("out")) == test::ReadFile(source));
  }
}

// Channel maps, satellite and provider names come back byte for byte in either
// record order, bytes behind a name's end included, which no cell shows; with
// --crc only check bytes change, each to the sum of the bytes before it.
TEST_P(RealArchives, NamedEntriesRoundTripByteForByte) {
  if (!test::EngineBuildsUtf16Text()) GTEST_SKIP() << test::kUtf16EngineFault;
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  const std::string settings = test::SettingsFor(dir.Path());
  for (const test::NamedEntry& entry : test::NamedEntries(test::FamilyOf(dir.Path()))) {
    const std::string source = dir.File(entry.name);
    if (!std::filesystem::exists(source)) continue;
    SCOPED_TRACE(entry.name);
    auto roundTrip = [&](std::vector<std::string> options, const std::string& out) {
      std::vector<std::string> words = {"roundtrip", "--ini", settings, "--script", test::kDefaultScript};
      words.insert(words.end(), options.begin(), options.end());
      words.push_back(source);
      words.push_back(dir.File(out));
      const auto result = RunProgram("tarno-cli", words);
      EXPECT_EQ(result.exitCode, 0) << result.err;
      return test::ReadFile(dir.File(out));
    };
    const std::string original = test::ReadFile(source);
    EXPECT_TRUE(roundTrip({}, "plain") == original);
    EXPECT_TRUE(roundTrip({"--displayed-order"}, "displayed") == original);
    const std::string withCrc = roundTrip({"--crc"}, "crc");
    ASSERT_EQ(withCrc.size(), original.size());
    int stale = 0;
    for (size_t at = entry.header; at < original.size(); at += entry.record) {
      const std::string record = original.substr(at, entry.record);
      stale += test::StaleNameBytesZeroed(record, entry) != record;
      const size_t kept = entry.checked ? entry.record - 1 : entry.record;
      EXPECT_EQ(withCrc.compare(at, kept, record, 0, kept), 0) << "record " << (at - entry.header) / entry.record;
      if (entry.checked) {
        unsigned sum = 0;
        for (size_t i = 0; i + 1 < entry.record; ++i) sum += static_cast<unsigned char>(withCrc[at + i]);
        EXPECT_EQ(static_cast<unsigned char>(withCrc[at + entry.record - 1]), sum & 0xFF);
      }
    }
    // Bytes a text cell cannot hold are there to lose: every real provider
    // record has stale bytes behind its name, and so do many names of the
    // H8000 cable map (no other cable map).
    if (std::string(entry.name) == "ServiceProviders") {
      EXPECT_EQ(stale * entry.record, original.size());
    }
    if (std::string(entry.name) == "map-CableD") {
      if (GetParam().find("H8000") != std::string::npos)
        EXPECT_GT(stale, 100);
      else
        EXPECT_EQ(stale, 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Real, RealArchives, ::testing::ValuesIn(test::SampleArchives()),
                         [](const ::testing::TestParamInfo<std::string>& archive) {
                           std::string name = archive.param.substr(0, archive.param.rfind('.'));
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

using ::tarno::test::Lines;

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
  return cells;
}

// Values decoded by hand from the real bytes.
TEST(ShowWithTheScript, FrequenciesAreDecimalMegahertz) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE40ES8000_1201.scm", dir.Path()));
  const auto ptc = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                            test::kDefaultScript, dir.File("PTCCABLE")});
  ASSERT_EQ(ptc.exitCode, 0) << ptc.err;
  const auto lines = Lines(ptc.out);
  ASSERT_EQ(lines.size(), 1u + 206u);
  EXPECT_EQ(Cells(lines[0])[0], " MHz");
  EXPECT_EQ(Cells(lines[1])[0], "222.222");  // channel 0, 43 5E 38 D5
  EXPECT_EQ(Cells(lines[2])[0], "114");
  EXPECT_EQ(Cells(lines[2])[1], "00001");
  const auto radio = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                              test::kDefaultScript, dir.File("RadioMap")});
  ASSERT_EQ(radio.exitCode, 0) << radio.err;
  EXPECT_EQ(Cells(Lines(radio.out)[1])[0], "87500");
}

TEST(ShowWithTheScript, ChannelsShowNamesFrequenciesAndFavourites) {
  if (!test::EngineBuildsUtf16Text()) GTEST_SKIP() << test::kUtf16EngineFault;
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("E_format_with_B_model_name.scm", dir.Path()));
  const auto analog = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                               test::kDefaultScript, dir.File("map-AirA")});
  ASSERT_EQ(analog.exitCode, 0) << analog.err;
  const auto rows = Lines(analog.out);
  EXPECT_EQ(rows[0].rfind(" Nr\t Name\t MHz\t Fav1\t", 0), 0u);
  // Record 1: number 1, "ARD" and two blanks, 210.25 MHz, in no favourite list.
  EXPECT_EQ(rows[2].rfind("00001\tARD\u00A0\u00A0\t210.25\t-1\t-1\t-1\t-1\t-1\t", 0), 0u) << rows[2];
  EXPECT_EQ(rows[3].rfind("00002\tZDF\u00A0\u00A0\t196.25\t", 0), 0u) << rows[3];

  ASSERT_TRUE(test::ExtractSample("channel_list_UE40ES8000_1201.scm", dir.Path()));
  const auto satellite = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                                  test::kDefaultScript, dir.File("map-SateD")});
  ASSERT_EQ(satellite.exitCode, 0) << satellite.err;
  const auto sat = Lines(satellite.out);
  EXPECT_EQ(sat[1].rfind("00641\tTURKSAT TANITIM\t-1\t", 0), 0u) << sat[1];
  EXPECT_EQ(sat[3].rfind("00643\tDIYANET TV\u00A0\t", 0), 0u) << sat[3];
  const auto satellites = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                                   test::kDefaultScript, dir.File("SatDataBase.dat")});
  ASSERT_EQ(satellites.exitCode, 0) << satellites.err;
  EXPECT_EQ(Lines(satellites.out)[1].rfind("0000000001\tAstra 19.2E\t0000000192\tU\t", 0), 0u)
      << Lines(satellites.out)[1];

  ASSERT_TRUE(test::ExtractSample("channel_list_UE48H8000_1401_reordered.scm", dir.Path()));
  const auto cable = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                              test::kDefaultScript, dir.File("map-CableD")});
  ASSERT_EQ(cable.exitCode, 0) << cable.err;
  // The stale copy of the name behind its zero unit is not shown.
  EXPECT_EQ(Lines(cable.out)[1].rfind("00011\tTVR 1\t", 0), 0u) << Lines(cable.out)[1];
}

// UTF-8 of UTF-16 units, blanks at either end shown as no-break spaces.
std::string ShownName(const std::vector<unsigned>& units) {
  size_t first = 0;
  size_t last = units.size();
  while (first < last && units[first] == ' ') ++first;
  while (last > first && units[last - 1] == ' ') --last;
  std::string text;
  for (size_t i = 0; i < units.size(); ++i) {
    const unsigned u = (i < first || i >= last) && units[i] == ' ' ? 0xA0 : units[i];
    if (u < 0x80) {
      text += static_cast<char>(u);
    } else if (u < 0x800) {
      text += static_cast<char>(0xC0 | u >> 6);
      text += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      text += static_cast<char>(0xE0 | u >> 12);
      text += static_cast<char>(0x80 | (u >> 6 & 0x3F));
      text += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return text;
}

// Names that share their field with a byte count show the name alone: no
// units behind its zero unit, and for providers no more than the count allows.
TEST(ShowWithTheScript, NamesBehindTheirCountShowNoStaleUnits) {
  if (!test::EngineBuildsUtf16Text()) GTEST_SKIP() << test::kUtf16EngineFault;
  test::TempDir dir;
  std::string analog(64, '\0');
  analog[18] = 12;
  analog.replace(20, 12, std::string("\0A\0B\0\0\0x\0y\0\0", 12));
  test::WriteFile(dir.File("map-AirA"), analog);
  std::string provider(108, '\0');
  provider[6] = 4;
  provider.replace(8, 8, std::string("\0C\0D\0z\0w", 8));
  test::WriteFile(dir.File("ServiceProviders"), provider);
  for (const auto& [entry, col, name] : {std::tuple{"map-AirA", 1, "AB"}, std::tuple{"ServiceProviders", 3, "CD"}}) {
    const auto shown = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                                test::kDefaultScript, dir.File(entry)});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(Cells(Lines(shown.out).at(1)).at(static_cast<size_t>(col)), name) << entry;
  }
  // Older settings keep the count in a column of its own: it still limits the
  // name, and a stored name leaves it as it was.
  test::WriteFile(dir.File("older.ini"),
                  "[ServiceProviders]\nITEM = Src, 2, 2, #, , 1\nITEM = Prov, 2, 2, #, , 2\nITEM = Chans, 2, 2, #, , 3\n"
                  "ITEM = Name len, 2, 2, #Length, , 4\nITEM = Name, 100, 2, /ProvName, $00, 5\n");
  const auto older = RunProgram("tarno-cli", {"edit", "--ini", dir.File("older.ini"), "--script", test::kDefaultScript,
                                              dir.File("ServiceProviders"), dir.File("out"), "select=5,1", "type=XYZ"});
  ASSERT_EQ(older.exitCode, 0) << older.err;
  std::string stored = provider;
  stored.replace(8, 8, std::string("\0X\0Y\0Z\0\0", 8));
  EXPECT_TRUE(test::ReadFile(dir.File("out")) == stored);
  // Every real provider name, as many bytes as its count says.
  for (const std::string& archive : test::SampleArchives()) {
    SCOPED_TRACE(archive);
    test::TempDir real;
    ASSERT_TRUE(test::ExtractSample(archive, real.Path()));
    const auto shown = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                                test::kDefaultScript, real.File("ServiceProviders")});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const auto rows = Lines(shown.out);
    const std::string bytes = test::ReadFile(real.File("ServiceProviders"));
    ASSERT_EQ(rows.size(), bytes.size() / 108 + 1);
    for (size_t r = 0; r + 1 < rows.size(); ++r) {
      const std::string record = bytes.substr(r * 108, 108);
      const size_t count = static_cast<unsigned char>(record[6]) | static_cast<size_t>(static_cast<unsigned char>(record[7])) << 8;
      std::vector<unsigned> units;
      for (size_t i = 0; i + 1 < count && i < 100; i += 2) {
        const unsigned u = static_cast<unsigned char>(record[8 + i]) << 8 | static_cast<unsigned char>(record[9 + i]);
        if (u == 0) break;
        units.push_back(u);
      }
      const auto cells = Cells(rows[r + 1]);
      EXPECT_EQ(cells.size() > 3 ? cells[3] : std::string(), ShownName(units)) << "record " << r;
    }
  }
}

TEST(Detect, SaysWhenNoPresetFits) {
  test::TempDir dir;
  test::WriteFile(dir.File("map-AirA"), std::string(100, '\0'));  // no whole number of 28, 40 or 64 bytes
  ASSERT_EQ(std::system(("cd '" + dir.Path().string() + "' && zip -qq odd.scm map-AirA").c_str()), 0);
  const auto result = RunProgram("tarno-cli", {"detect", dir.File("odd.scm")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "no preset fits odd.scm\n");
  EXPECT_NE(result.err.find("TarnoChannelEdit-1201.ini: map-AirA (100 bytes) is no whole number of 64-byte records"),
            std::string::npos)
      << result.err;
}

TEST(Detect, AnEmptyArchiveNamesNoPreset) {
  test::TempDir dir;
  test::WriteFile(dir.File("empty.scm"), std::string("PK\x05\x06", 4) + std::string(18, '\0'));  // the end record alone
  const auto result = RunProgram("tarno-cli", {"detect", dir.File("empty.scm")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "no preset fits empty.scm\n");
  EXPECT_EQ(result.err, "empty.scm holds no files\n");
}

TEST(DemoArchive, OpensWithTheDefaultAndRoundTrips) {
  test::TempDir dir;
  const std::string archive = dir.File("demo.scm");
  const auto written = RunProgram("tarno-cli", {"demo-archive", archive});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const auto detected = RunProgram("tarno-cli", {"detect", archive});
  ASSERT_EQ(detected.exitCode, 0) << detected.err;
  EXPECT_NE(detected.out.find("TarnoChannelEdit-1201.ini"), std::string::npos);
  EXPECT_EQ(detected.out.find("1101"), std::string::npos);
  ASSERT_EQ(std::system(("cd '" + dir.Path().string() + "' && unzip -qq demo.scm").c_str()), 0);
  const bool names = test::EngineBuildsUtf16Text();
  int entries = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir.Path())) {
    const std::string name = file.path().filename().string();
    if (name == "demo.scm") continue;
    SCOPED_TRACE(name);
    ++entries;
    const bool hasNames = name.rfind("map-", 0) == 0 || name == "SatDataBase.dat" || name == "ServiceProviders";
    if (hasNames && !names) continue;
    const auto back = RunProgram("tarno-cli", {"roundtrip", "--ini", test::kDefaultSettings, "--script",
                                               test::kDefaultScript, "--crc", file.path().string(),
                                               dir.File(name + ".OUT")});
    ASSERT_EQ(back.exitCode, 0) << back.err;
    // Made-up records carry correct check bytes and no stale bytes.
    EXPECT_TRUE(test::ReadFile(dir.File(name + ".OUT")) == test::ReadFile(file.path().string()));
  }
  EXPECT_EQ(entries, 13);
  if (!names) GTEST_SKIP() << "channel maps not checked: " << test::kUtf16EngineFault;
  const auto shown = RunProgram("tarno-cli", {"show", "--ini", test::kDefaultSettings, "--script",
                                              test::kDefaultScript, dir.File("map-CableD")});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_EQ(Lines(shown.out)[1].rfind("00001\tDemo Eins HD\tDemo1\t", 0), 0u) << Lines(shown.out)[1];
  EXPECT_EQ(Lines(shown.out)[4].rfind("00004\tTestbild 24\u00A0\t", 0), 0u) << Lines(shown.out)[4];
}

}  // namespace
}  // namespace tarno
