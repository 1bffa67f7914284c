// tarno-cli csv-export, csv-import, apply-reference, duplicates and dedupe on
// the real archives with the default settings and script.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "TestFiles.h"
#include "RunProgram.h"
#include "SampleFamilies.h"

namespace tarno {
namespace {

using test::ReadFile;
using test::RunProgram;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
const std::string kScript = test::SourcePath("data/TarnoChannelEdit.rops");
constexpr const char* kReordered = "channel_list_UE48H8000_1401_reordered.scm";
constexpr const char* kSatellite = "sat_channel_list_UE55ES6300_1201.scm";
constexpr int kNumberColumn = 1;  // "Nr" in every default channel map
constexpr size_t kCableRecord = 320;
constexpr size_t kSatelliteRecord = 168;

test::ProgramResult Cli(std::vector<std::string> args, const std::string& settings = kSettings) {
  std::vector<std::string> words = {args.front(), "--ini", settings, "--script", kScript};
  words.insert(words.end(), args.begin() + 1, args.end());
  return RunProgram("tarno-cli", words);
}

// Runs the command and expects it to succeed.
std::string Succeed(std::vector<std::string> args, const std::string& settings = kSettings) {
  const test::ProgramResult result = Cli(args, settings);
  EXPECT_EQ(result.exitCode, 0) << args.front() << ": " << result.err;
  return result.out;
}

// A folder of its own for each copy: the layout follows the file's bare name.
std::string Copy(const test::TempDir& dir, const std::string& folder, const std::string& name) {
  std::filesystem::create_directories(dir.Path() / folder);
  return dir.File(folder + "/" + name);
}

using ::tarno::test::Lines;

// The fields of a CSV row that has no quoted field.
std::vector<std::string> SplitPlainRow(std::string row) {
  if (!row.empty() && row.back() == '\r') row.pop_back();
  EXPECT_EQ(row.find('"'), std::string::npos) << row;
  std::vector<std::string> fields;
  std::istringstream in(row + ",");
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

class CsvRoundTrip : public ::testing::TestWithParam<std::string> {};

// Exported and imported unchanged, a channel map is saved as a plain load and
// save saves it, byte for byte; the CSV has the header and one row per record.
TEST_P(CsvRoundTrip, AnUnchangedCsvGivesTheSameFile) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(GetParam(), dir.Path()));
  const std::string settings = test::SettingsFor(dir.Path());
  for (const std::string entry : {"map-AirA", "map-AirD", "map-CableD", "map-SateD"}) {
    const std::string source = dir.File(entry);
    if (!std::filesystem::exists(source)) continue;
    SCOPED_TRACE(entry);
    const std::string csv = dir.File(entry + ".csv");
    const std::string exported = Succeed({"csv-export", source, csv}, settings);
    EXPECT_EQ(Lines(exported).back(), "CSV exported as " + csv);
    const std::vector<std::string> rows = Lines(ReadFile(csv));
    EXPECT_EQ(rows.front().substr(0, 10), "#,Nr,Name,") << rows.front();
    EXPECT_EQ(rows[1].substr(0, 2), "1,");
    const std::string imported = Succeed({"csv-import", source, csv, Copy(dir, "csv", entry)}, settings);
    EXPECT_NE(imported.find("CSV imported from " + csv + ": 0 cells changed, 0 rows moved"), std::string::npos)
        << imported;
    Succeed({"roundtrip", source, Copy(dir, "plain", entry)}, settings);
    EXPECT_TRUE(ReadFile(dir.File("csv/" + entry)) == ReadFile(dir.File("plain/" + entry)));
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, CsvRoundTrip, ::testing::ValuesIn(test::SampleArchives()),
                         [](const ::testing::TestParamInfo<std::string>& archive) {
                           return test::SampleTestName(archive.param);
                         });

// csv-import refuses a CSV of another set's cable map, whose rows would give
// the records other channels' cells, and writes nothing; renaming channels in
// a spreadsheet leaves them the same channels.
class CsvOfAnotherList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path() / "own"));
    ASSERT_TRUE(test::ExtractSample("channel_list_UE32J5170_1201_orig.scm", dir.Path() / "other"));
  }
  std::string Map(const std::string& folder) const { return dir.File(folder + "/map-CableD"); }
  std::string Out() const { return dir.File("out/map-CableD"); }
  test::TempDir dir;
};

TEST_F(CsvOfAnotherList, IsRefusedAndNothingIsWritten) {
  const std::string csv = dir.File("other.csv");
  Succeed({"csv-export", Map("other"), csv});
  std::filesystem::create_directories(dir.Path() / "out");
  const test::ProgramResult result = Cli({"csv-import", Map("own"), csv, Out()});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err,
            "tarno-cli: The CSV belongs to another list: 413 of 413 channels differ from the records they would "
            "change\n");
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(CsvOfAnotherList, ChannelsRenamedInASpreadsheetAreStillTheirOwn) {
  const std::string csv = dir.File("own.csv");
  Succeed({"csv-export", Map("own"), csv});
  std::string renamed;
  int names = 0;
  for (const std::string& line : Lines(ReadFile(csv))) {
    std::vector<std::string> fields = line.find('"') == std::string::npos ? SplitPlainRow(line) : std::vector<std::string>{};
    if (fields.size() > 2 && !fields[2].empty() && fields[0] != "#") {
      fields[2] = "Renamed " + std::to_string(++names);
      std::string row;
      for (const std::string& field : fields) row += (row.empty() ? "" : ",") + field;
      renamed += row + "\r\n";
    } else {
      renamed += line + "\n";
    }
  }
  ASSERT_GT(names, 300);
  test::WriteFile(csv, renamed);
  const std::string log = Succeed({"csv-import", Map("own"), csv, Copy(dir, "out", "map-CableD")});
  EXPECT_NE(log.find(std::to_string(names) + " cells changed, 0 rows moved"), std::string::npos) << log;
}

// The H8000 cable and analog maps were reordered by another editor: their
// records still stand in the order the television stored them. Numbered 1, 2,
// 3 ... in that order and then given the reordered map as reference, they come
// back as the reordered map; the other way round gives the original order.
class ReorderedArchive : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::ExtractSample(kReordered, dir.Path())); }

  std::string Reordered(const std::string& entry) const { return dir.File(entry); }
  // The map numbered in stored order, saved with fresh check bytes.
  std::string OriginalOrder(const std::string& entry) {
    const std::string original = Copy(dir, "original", entry);
    Succeed({"edit", "--keep-order", "--crc", Reordered(entry), original,
         "select=" + std::to_string(kNumberColumn) + ",1", "row-renumber"});
    return original;
  }
  // What saving the file unchanged with fresh check bytes gives.
  std::string Saved(const std::string& path, const std::string& folder) {
    const std::string copy = Copy(dir, folder, std::filesystem::path(path).filename().string());
    Succeed({"roundtrip", "--crc", path, copy});
    return ReadFile(copy);
  }

  test::TempDir dir;
};

TEST_F(ReorderedArchive, TheReorderedCableMapComesBackFromItsOriginalOrder) {
  const std::string original = OriginalOrder("map-CableD");
  ASSERT_FALSE(ReadFile(original) == ReadFile(Reordered("map-CableD")));
  const std::string out = Copy(dir, "out", "map-CableD");
  const std::string log = Succeed({"apply-reference", "--crc", original, Reordered("map-CableD"), out});
  EXPECT_NE(log.find("Reference list map-CableD applied: 181 of 181 channels found, 0 numbered after them"),
            std::string::npos)
      << log;
  EXPECT_TRUE(ReadFile(out) == Saved(Reordered("map-CableD"), "saved"));

  const std::string back = Copy(dir, "back", "map-CableD");
  Succeed({"apply-reference", "--crc", Reordered("map-CableD"), original, back});
  EXPECT_TRUE(ReadFile(back) == ReadFile(original));
}

TEST_F(ReorderedArchive, ItsCsvServesAsReferenceToo) {
  const std::string original = OriginalOrder("map-CableD");
  const std::string csv = dir.File("reordered.csv");
  Succeed({"csv-export", Reordered("map-CableD"), csv});
  const std::string out = Copy(dir, "out", "map-CableD");
  Succeed({"apply-reference", "--crc", original, csv, out});
  EXPECT_TRUE(ReadFile(out) == Saved(Reordered("map-CableD"), "saved"));
}

// The analog map of that archive is in stored order; a copy whose channels are
// numbered backwards through a CSV is the reference here. Its names are blank:
// the channels are found by their frequencies.
TEST_F(ReorderedArchive, AnalogChannelsAreFoundByNameAndFrequency) {
  const std::string source = Reordered("map-AirA");
  const std::string csv = dir.File("analog.csv");
  Succeed({"csv-export", source, csv});
  std::vector<std::string> rows = Lines(ReadFile(csv));
  const std::vector<std::string> header = SplitPlainRow(rows[0]);
  const size_t nr = std::find(header.begin(), header.end(), "Nr") - header.begin();
  const size_t inUse = std::find(header.begin(), header.end(), "In use") - header.begin();
  ASSERT_LT(inUse, header.size());
  int channels = 0;
  for (std::string& row : rows) {
    std::vector<std::string> fields = SplitPlainRow(row);
    if (fields[inUse] != "001") continue;
    fields[nr] = std::to_string(67 - std::stoi(fields[nr]));
    ++channels;
    row.clear();
    for (const std::string& field : fields) row += (row.empty() ? "" : ",") + field;
  }
  ASSERT_EQ(channels, 66);
  std::string edited;
  for (const std::string& row : rows) edited += row + "\r\n";
  test::WriteFile(csv, edited);
  const std::string backwards = Copy(dir, "backwards", "map-AirA");
  EXPECT_NE(Succeed({"csv-import", source, csv, backwards}).find(": 66 cells changed, 0 rows moved"), std::string::npos);

  const std::string out = Copy(dir, "out", "map-AirA");
  const std::string log = Succeed({"apply-reference", "--crc", source, backwards, out});
  EXPECT_NE(log.find("applied: 66 of 66 channels found, 0 numbered after them"), std::string::npos) << log;
  EXPECT_TRUE(ReadFile(out) == Saved(backwards, "saved"));
}

// The channels a reference lacks follow its highest number, in their old order.
TEST_F(ReorderedArchive, ChannelsTheReferenceLacksFollowItsHighestNumber) {
  const std::string original = OriginalOrder("map-CableD");
  // A reference of the first three channels of the reordered map only: numbers 11, 520, 521.
  const std::string full = dir.File("full.csv");
  Succeed({"csv-export", Reordered("map-CableD"), full});
  const std::vector<std::string> all = Lines(ReadFile(full));
  test::WriteFile(dir.File("three.csv"), all[0] + "\n" + all[1] + "\n" + all[2] + "\n" + all[3] + "\n");
  const std::string out = Copy(dir, "out", "map-CableD");
  const std::string log = Succeed({"apply-reference", original, dir.File("three.csv"), out});
  EXPECT_NE(log.find("applied: 3 of 181 channels found, 178 numbered after them"), std::string::npos) << log;
  const std::string shown = Succeed({"show", out});
  std::vector<std::string> numbers;
  for (const std::string& line : Lines(shown)) numbers.push_back(line.substr(0, line.find('\t')));
  ASSERT_GT(numbers.size(), 182u);
  EXPECT_EQ(numbers[1], "00011");
  EXPECT_EQ(numbers[2], "00520");
  EXPECT_EQ(numbers[3], "00521");
  EXPECT_EQ(numbers[4], "00522");  // the fourth stored channel: first after the highest (521)
  EXPECT_EQ(numbers[181], "00699");
  EXPECT_EQ(numbers[182], "");  // an empty slot stays empty
}

TEST(CliDuplicates, TheSatelliteListsServicesOnSeveralTransponders) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(kSatellite, dir.Path()));
  const std::string source = dir.File("map-SateD");
  EXPECT_EQ(Lines(Succeed({"duplicates", source})),
            (std::vector<std::string>{"6 7 8 1558", "18 121", "19 122", "29 153 556", "33 69 263 554", "52 53",
                                      "68 150 262 553", "80 149 261 552", "81 152 264 555", "86 157",
                                      "435 538 790 898"}));

  const std::string out = Copy(dir, "out", "map-SateD");
  const std::string log = Succeed({"dedupe", source, out});
  EXPECT_NE(log.find("Duplicates removed: 24 channels cleared"), std::string::npos) << log;
  EXPECT_EQ(Succeed({"duplicates", out}), "");
  // The cleared records are empty slots; every other record is saved as before.
  const std::string saved = ReadFile(out);
  const std::string plain = Copy(dir, "plain", "map-SateD");
  Succeed({"roundtrip", source, plain});
  const std::string before = ReadFile(plain);
  ASSERT_EQ(saved.size(), before.size());
  int cleared = 0;
  for (size_t at = 0; at < saved.size(); at += kSatelliteRecord) {
    const std::string record = saved.substr(at, kSatelliteRecord);
    if (record == before.substr(at, kSatelliteRecord)) continue;
    EXPECT_EQ(record.substr(0, kSatelliteRecord - 1), std::string(kSatelliteRecord - 1, '\0')) << at / kSatelliteRecord;
    ++cleared;
  }
  EXPECT_EQ(cleared, 24);
}

// A cable map with made-up duplicates: two channels given the service, stream
// and network ids of a third.
TEST(CliDuplicates, MadeUpDuplicatesOfACableMap) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(kReordered, dir.Path()));
  const std::string source = dir.File("map-CableD");
  std::string bytes = ReadFile(source);
  for (const size_t copyTo : {5u, 100u})
    for (const size_t field : {6u, 32u, 48u})  // service, original network and transport stream id
      bytes.replace(copyTo * kCableRecord + field, 2, bytes.substr(2 * kCableRecord + field, 2));
  test::WriteFile(source, bytes);
  EXPECT_EQ(Succeed({"duplicates", source}), "46 521 526\n");  // records 100, 2 and 5

  const std::string out = Copy(dir, "out", "map-CableD");
  Succeed({"dedupe", "--crc", source, out});
  const std::string saved = ReadFile(out);
  EXPECT_EQ(saved.substr(2 * kCableRecord, kCableRecord), std::string(kCableRecord, '\0'));
  EXPECT_EQ(saved.substr(5 * kCableRecord, kCableRecord), std::string(kCableRecord, '\0'));
  EXPECT_EQ(saved.substr(100 * kCableRecord, 2), bytes.substr(100 * kCableRecord, 2));
  EXPECT_EQ(Succeed({"duplicates", out}), "");
}

// A CSV that does not fit is a clear error, and nothing is written.
TEST(CliCsv, AnImportThatDoesNotFitWritesNothing) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(kReordered, dir.Path()));
  const std::string csv = dir.File("in.csv");
  Succeed({"csv-export", dir.File("map-AirA"), csv});
  std::vector<std::string> rows = Lines(ReadFile(csv));
  rows[2] = "1" + rows[2].substr(rows[2].find(','));  // record 1 twice, record 2 never
  std::string edited;
  for (const std::string& row : rows) edited += row + "\n";
  test::WriteFile(csv, edited);
  const auto result = Cli({"csv-import", dir.File("map-AirA"), csv, dir.File("out")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "tarno-cli: Line 3 of the CSV lists record 1 again (first on line 2)\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

}  // namespace
}  // namespace tarno
