// tarno-cli apply-reference and export-reference between the real archives:
// a D (2011) archive onto an E-family cable map, one set's satellite list onto
// another's, favourites and flags carried between families that keep them
// differently, the channels the reference lacks, the text form both ways,
// the report lines and the exit codes.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>

#include "DatabaseTestSupport.h"
#include "RunProgram.h"
#include "TestFiles.h"

namespace tarno {
namespace {

using test::ReadFile;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
const std::string kDSettings = test::SourcePath("data/layouts/TarnoChannelEdit-1101.ini");
const std::string kScript = test::SourcePath("data/TarnoChannelEdit.rops");
constexpr const char* kDCable = "channel_list_UE46D8000_1101.scm";
constexpr const char* kECable = "channel_list_UE46F7000_1201.scm";
constexpr const char* kESatellite = "sat_channel_list_UE55ES6300_1201.scm";
constexpr const char* kOtherESatellite = "E_format_with_C_model_name.scm";
constexpr const char* kDSatellite = "sat_channel_list_D_AstraHDPlus_1101.scm";

std::string Sample(const std::string& archive) { return std::string(TARNO_SAMPLES_DIR) + "/" + archive; }

test::ProgramResult Cli(std::vector<std::string> args, const std::string& settings = kSettings) {
  std::vector<std::string> words = {args.front(), "--ini", settings, "--script", kScript};
  words.insert(words.end(), args.begin() + 1, args.end());
  return test::RunProgram("tarno-cli", words);
}

std::string Succeed(std::vector<std::string> args, const std::string& settings = kSettings) {
  const test::ProgramResult result = Cli(args, settings);
  EXPECT_EQ(result.exitCode, 0) << args.front() << ": " << result.err;
  return result.out;
}

using ::tarno::test::Lines;

bool Logged(const std::string& log, const std::string& line) {
  for (const std::string& logged : Lines(log))
    if (logged == line) return true;
  ADD_FAILURE() << "no line \"" << line << "\" in\n" << log;
  return false;
}

// The text form's channels by their ids "ONID-TSID-SID": their numbers.
std::map<std::string, std::vector<std::string>> NumbersByIds(const std::string& text) {
  std::map<std::string, std::vector<std::string>> numbers;
  for (const std::string& line : Lines(text)) {
    if (line.empty() || line[0] == '#') continue;
    const std::string ids = line.substr(line.rfind(';') + 1);
    if (ids != "0-0-0" && !ids.empty()) numbers[ids].push_back(line.substr(0, line.find(';')));
  }
  return numbers;
}

// A number cell; the D family shows zero as an empty cell.
int Int(const std::string& cell) { return cell.empty() ? 0 : std::stoi(cell); }

// The grid as "show" prints it: a header of captions, then one row per record.
struct Shown {
  std::vector<std::vector<std::string>> rows;
  explicit Shown(const std::string& text) {
    for (const std::string& line : Lines(text)) {
      rows.emplace_back();
      std::istringstream in(line + "\t");
      for (std::string field; std::getline(in, field, '\t');) rows.back().push_back(field);
    }
  }
  size_t Column(const std::string& caption) const {
    for (size_t c = 0; c < rows[0].size(); ++c)
      if (rows[0][c].find_first_not_of(' ') != std::string::npos &&
          rows[0][c].substr(rows[0][c].find_first_not_of(' ')) == caption)
        return c;
    ADD_FAILURE() << "no column " << caption;
    return 0;
  }
  // The row of the channel with these ids (from 1), 0 when none.
  int RowOf(const std::string& ids) const {
    const size_t onid = Column("ONID"), tsid = Column("TSID"), sid = Column("SID");
    for (size_t r = 1; r < rows.size(); ++r)
      if (std::to_string(std::stoi("0" + rows[r][onid])) + "-" + std::to_string(std::stoi("0" + rows[r][tsid])) + "-" +
              std::to_string(std::stoi("0" + rows[r][sid])) == ids)
        return static_cast<int>(r);
    return 0;
  }
  const std::string& At(int row, const std::string& caption) const {
    return rows[static_cast<size_t>(row)][Column(caption)];
  }
};

class CliReference : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* archive : {kDCable, kECable, kESatellite, kOtherESatellite, kDSatellite})
      if (!std::filesystem::exists(Sample(archive))) GTEST_SKIP() << archive << " is not among the samples";
    ASSERT_TRUE(test::ExtractSample(kECable, dir.Path() / "e"));
    ASSERT_TRUE(test::ExtractSample(kDCable, dir.Path() / "d"));
  }
  // A folder of its own for each output: the layout follows the bare name.
  std::string Out(const std::string& folder, const std::string& name) {
    std::filesystem::create_directories(dir.Path() / folder);
    return dir.File(folder + "/" + name);
  }
  std::string Exported(const std::string& file, const std::string& settings = kSettings) {
    const std::string text = dir.File("exported.txt");
    Succeed({"export-reference", file, text}, settings);
    return ReadFile(text);
  }

  test::TempDir dir;
};

TEST_F(CliReference, ADArchiveNumbersAnECableMapReadWithItsOwnFamilysSettings) {
  const std::string out = Out("out", "map-CableD");
  const std::string log = Succeed({"apply-reference", dir.File("e/map-CableD"), Sample(kDCable), out});
  Logged(log, std::string("Reference list taken from map-CableD of ") + kDCable + ", read with TarnoChannelEdit-1101.ini");
  Logged(log, std::string("Reference list ") + kDCable + " applied: 40 of 413 channels found, 373 numbered after them");
  Logged(log, "Found by service identity: 23, by name: 17, not found: 373");

  // Every channel of a service the D list has takes its number there.
  const auto reference = NumbersByIds(Exported(dir.File("d/map-CableD"), kDSettings));
  const auto numbered = NumbersByIds(Exported(out));
  int same = 0;
  for (const auto& [ids, numbers] : numbered) {
    const auto found = reference.find(ids);
    if (found == reference.end() || found->second.size() != 1 || numbers.size() != 1) continue;
    EXPECT_EQ(numbers[0], found->second[0]) << ids;
    ++same;
  }
  EXPECT_EQ(same, 23);

  // The D list's file alone (its size fits both families) is told by its favourites, as the archive is.
  const std::string alone = Out("alone", "map-CableD");
  Logged(Succeed({"apply-reference", dir.File("e/map-CableD"), dir.File("d/map-CableD"), alone}),
         "Reference list taken from map-CableD, read with TarnoChannelEdit-1101.ini");
  EXPECT_TRUE(ReadFile(alone) == ReadFile(out));
}

TEST_F(CliReference, ASatelliteListOfOneSetOntoAnother) {
  ASSERT_TRUE(test::ExtractSample(kESatellite, dir.Path() / "s"));
  const std::string out = Out("out", "map-SateD");
  std::string log = Succeed({"apply-reference", dir.File("s/map-SateD"), Sample(kOtherESatellite), out});
  Logged(log, std::string("Reference list taken from map-SateD of ") + kOtherESatellite);
  Logged(log, std::string("Reference list ") + kOtherESatellite + " applied: 100 of 124 channels found, 24 numbered after them");
  Logged(log, "Found by service identity: 93, by name: 7, not found: 24");

  log = Succeed({"apply-reference", dir.File("s/map-SateD"), Sample(kDSatellite), out});
  Logged(log, std::string("Reference list taken from map-SateD of ") + kDSatellite + ", read with TarnoChannelEdit-1101.ini");
  Logged(log, "Found by service identity: 44, by name: 1, not found: 79");

  // A cable archive has no list for a satellite map.
  const test::ProgramResult refused = Cli({"apply-reference", dir.File("s/map-SateD"), Sample(kECable), Out("no", "map-SateD")});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find(std::string("Reference list: ") + kECable + " holds no satellite channel list as map-SateD is"),
            std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("no/map-SateD")));
}

// Positions of the E family become the D family's 0/1 lists and come back in
// the D list's number order; a lock goes along.
TEST_F(CliReference, FavouritesAndFlagsGoBetweenFamiliesThatKeepThemDifferently) {
  const auto inD = NumbersByIds(Exported(dir.File("d/map-CableD"), kDSettings));
  const Shown e(Succeed({"show", dir.File("e/map-CableD")}));
  std::vector<std::string> common;
  for (const auto& [ids, numbers] : NumbersByIds(Exported(dir.File("e/map-CableD"))))
    if (inD.count(ids) && inD.at(ids).size() == 1 && numbers.size() == 1 && e.RowOf(ids) != 0) common.push_back(ids);
  ASSERT_GE(common.size(), 3u);
  const auto row = [&](size_t i) { return std::to_string(e.RowOf(common[i])); };
  // List 1 of the E map: the second channel first, then the first; the third locked.
  const std::string reference = Out("reference", "map-CableD");
  Succeed({"edit", dir.File("e/map-CableD"), reference, "select=1," + row(1), "favourite-add=1", "select=1," + row(0),
           "favourite-add=1", "select=1," + row(2), "lock=on"});

  const std::string d = Out("d-out", "map-CableD");
  const std::string log = Succeed(
      {"apply-reference", "--carry", "favourites,flags", dir.File("d/map-CableD"), reference, d}, kDSettings);
  Logged(log, "Carried: 5 favourites lists, lock, skip and hide of 1 channels changed");
  const Shown dShown(Succeed({"show", d}, kDSettings));
  for (size_t i = 0; i < 3; ++i) {
    const int r = dShown.RowOf(common[i]);
    ASSERT_NE(r, 0);
    EXPECT_EQ(Int(dShown.At(r, "Fav1")), i < 2 ? 1 : 0) << common[i];
    EXPECT_EQ(Int(dShown.At(r, "Lock")), i == 2 ? 1 : 0) << common[i];
  }
  EXPECT_EQ(dShown.At(dShown.RowOf(common[0]), "Nr"), Shown(Succeed({"show", dir.File("d/map-CableD")}, kDSettings))
                                                          .At(dShown.RowOf(common[0]), "Nr"));  // numbers not asked for

  const std::string back = Out("back", "map-CableD");
  Succeed({"apply-reference", "--carry", "favourites", dir.File("e/map-CableD"), d, back});
  const Shown backShown(Succeed({"show", back}));
  const bool firstIsLower = std::stoi(inD.at(common[0])[0]) < std::stoi(inD.at(common[1])[0]);
  EXPECT_EQ(Int(backShown.At(e.RowOf(common[0]), "Fav1")), firstIsLower ? 1 : 2);
  EXPECT_EQ(Int(backShown.At(e.RowOf(common[1]), "Fav1")), firstIsLower ? 2 : 1);
  EXPECT_EQ(Int(backShown.At(e.RowOf(common[2]), "Fav1")), -1);
}

TEST_F(CliReference, ChannelsTheReferenceLacksAreDeletedOrKept) {
  const std::string deleted = Out("deleted", "map-CableD");
  Logged(Succeed({"apply-reference", "--unmatched", "delete", dir.File("e/map-CableD"), Sample(kDCable), deleted}),
         std::string("Reference list ") + kDCable + " applied: 40 of 413 channels found, 373 deleted");
  EXPECT_EQ(Lines(Exported(deleted)).size(), 1u + 40u);

  const std::string kept = Out("kept", "map-CableD");
  Logged(Succeed({"apply-reference", "--unmatched", "keep", dir.File("e/map-CableD"), Sample(kDCable), kept}),
         std::string("Reference list ") + kDCable + " applied: 40 of 413 channels found, 373 kept as they were");
  const auto before = NumbersByIds(Exported(dir.File("e/map-CableD")));
  const auto reference = NumbersByIds(Exported(dir.File("d/map-CableD"), kDSettings));
  int unchanged = 0;
  for (const auto& [ids, numbers] : NumbersByIds(Exported(kept)))
    if (!reference.count(ids) && before.count(ids) && before.at(ids) == numbers) ++unchanged;
  EXPECT_GT(unchanged, 300);
}

// The reordered H set's analog channels have no names; another set's analog
// list names those it finds by frequency.
TEST_F(CliReference, AnAnalogListTakesAnotherSetsNames) {
  constexpr const char* kUnnamed = "channel_list_UE48H8000_1401_reordered.scm";
  constexpr const char* kNamed = "channel_list_UE55H6470_1201.scm";
  if (!std::filesystem::exists(Sample(kUnnamed)) || !std::filesystem::exists(Sample(kNamed)))
    GTEST_SKIP() << "the analog samples are missing";
  ASSERT_TRUE(test::ExtractSample(kUnnamed, dir.Path() / "h"));
  const std::string out = Out("out", "map-AirA");
  const std::string log = Succeed({"apply-reference", "--carry", "numbers,names", dir.File("h/map-AirA"), Sample(kNamed), out});
  Logged(log, "Found by service identity: 0, by name: 0, by frequency: 18, not found: 48");
  Logged(log, "Carried: 17 names changed");
  const Shown before(Succeed({"show", dir.File("h/map-AirA")}));
  const Shown after(Succeed({"show", out}));
  int renamed = 0, named = 0;
  for (size_t r = 1; r < after.rows.size(); ++r) {
    const std::string& name = after.At(static_cast<int>(r), "Name");
    renamed += name != before.At(static_cast<int>(r), "Name") ? 1 : 0;
    named += before.At(static_cast<int>(r), "Name").empty() && !name.empty() ? 1 : 0;
  }
  EXPECT_EQ(renamed, 17);
  EXPECT_GT(named, 10);

  // Without names asked for, the frequency alone finds nothing.
  Logged(Succeed({"apply-reference", dir.File("h/map-AirA"), Sample(kNamed), Out("plain", "map-AirA")}),
         "Found by service identity: 0, by name: 0, not found: 66");
}

TEST_F(CliReference, TheTextFormBothWays) {
  const std::string text = dir.File("e.txt");
  Logged(Succeed({"export-reference", dir.File("e/map-CableD"), text}), "Reference list exported as " + text + ": 413 channels");
  const std::vector<std::string> lines = Lines(ReadFile(text));
  ASSERT_EQ(lines.size(), 414u);
  EXPECT_EQ(lines[0], "# Reference list: NUMBER;NAME;ONID-TSID-SID");
  EXPECT_EQ(lines[1].substr(0, 2), "1;");

  // A list's own export changes nothing.
  const std::string same = Out("same", "map-CableD");
  Logged(Succeed({"apply-reference", dir.File("e/map-CableD"), text, same}),
         "Reference list e.txt applied: 413 of 413 channels found, 0 numbered after them");
  EXPECT_TRUE(ReadFile(same) == ReadFile(dir.File("e/map-CableD")));

  // Numbers swapped in the text are swapped in the list.
  std::string swapped = lines[0] + "\n2" + lines[1].substr(1) + "\n1" + lines[2].substr(1) + "\n";
  test::WriteFile(dir.File("swapped.txt"), swapped);
  const std::string out = Out("swapped", "map-CableD");
  Logged(Succeed({"apply-reference", dir.File("e/map-CableD"), dir.File("swapped.txt"), out}),
         "Reference list swapped.txt applied: 2 of 413 channels found, 411 numbered after them");
  const std::vector<std::string> again = Lines(Exported(out));
  EXPECT_EQ(again[1].substr(again[1].find(';')), lines[2].substr(lines[2].find(';')));
  EXPECT_EQ(again[2].substr(again[2].find(';')), lines[1].substr(lines[1].find(';')));
}

TEST_F(CliReference, WrongOptionsAndReferencesEndWithExitCodeTwoAndNothingWritten) {
  const std::string out = Out("out", "map-CableD");
  test::ProgramResult result = Cli({"apply-reference", "--carry", "numbers,colours", dir.File("e/map-CableD"), Sample(kDCable), out});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("--carry takes one or more of numbers|favourites|flags|names, not 'numbers,colours'"),
            std::string::npos) << result.err;
  result = Cli({"apply-reference", "--unmatched", "drop", dir.File("e/map-CableD"), Sample(kDCable), out});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("--unmatched takes one of after|delete|keep, not 'drop'"), std::string::npos) << result.err;

  test::WriteFile(dir.File("bad.txt"), "1;A;1-2-3\ntwo;B;1-2-4\n");
  result = Cli({"apply-reference", dir.File("e/map-CableD"), dir.File("bad.txt"), out});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("Line 2 of the reference list begins with 'two', which is no channel number"),
            std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace tarno

namespace tarno {
namespace {

constexpr const char* kNewerCable = "Channel_list_J_cable.zip";

std::string ZipSample(const std::string& archive) { return std::string(TARNO_ZIP_SAMPLES_DIR) + "/" + archive; }

// The channels of a shown list in favourites list 1, by name in capitals (a
// channel found by its identity or by its name, which matches in any case):
// their positions.
std::map<std::string, int> FirstFavourites(const Shown& shown) {
  std::map<std::string, int> positions;
  for (size_t r = 1; r < shown.rows.size(); ++r) {
    const int position = Int(shown.At(static_cast<int>(r), "Fav1"));
    std::string name = shown.At(static_cast<int>(r), "Name");
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (position > 0) positions[name] = position;
  }
  return positions;
}

// Between the formats: a newer set's database (favourites in SRV_FAV) onto an
// E cable map (favourites as positions), and the E map onto the database,
// whose favourites then go back into SRV_FAV.
TEST(CliReferenceBetweenFormats, ANewerSetsDatabaseAndAnECableMapServeEachOther) {
  if (!std::filesystem::exists(ZipSample(kNewerCable)) || !std::filesystem::exists(Sample(kECable)))
    GTEST_SKIP() << "samples missing";
  const test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample(kECable, dir.Path() / "e"));
  ASSERT_EQ(std::system(("unzip -qq '" + ZipSample(kNewerCable) + "' -d '" + dir.File("j") + "'").c_str()), 0);

  std::filesystem::create_directories(dir.Path() / "onto-e");
  const std::string e = dir.File("onto-e/map-CableD");
  const std::string log =
      Succeed({"apply-reference", "--carry", "numbers,favourites", dir.File("e/map-CableD"), ZipSample(kNewerCable), e});
  Logged(log, std::string("Reference list taken from dvbc of ") + kNewerCable);
  Logged(log, "Found by service identity: 91, by name: 165, not found: 157");
  // The database's list 1, in its order, is the E map's list 1 wherever its channels were found.
  const std::map<std::string, int> reference = FirstFavourites(Shown(Succeed({"show", dir.File("j/dvbc")})));
  const std::map<std::string, int> carried = FirstFavourites(Shown(Succeed({"show", e})));
  ASSERT_FALSE(reference.empty());
  ASSERT_FALSE(carried.empty());
  for (const auto& [ids, position] : carried) {
    ASSERT_TRUE(reference.count(ids)) << ids << " is in list 1 but not in the reference's";
    for (const auto& [otherIds, otherPosition] : carried)
      EXPECT_EQ(position < otherPosition, reference.at(ids) < reference.at(otherIds)) << ids << " " << otherIds;
  }
  EXPECT_GE(carried.size(), 4u);  // of the database's five: the E set has no Pro7 HD
  for (const auto& [ids, position] : carried) {
    EXPECT_LE(position, static_cast<int>(carried.size())) << ids;  // positions without gaps
  }

  std::filesystem::create_directories(dir.Path() / "onto-j");
  const std::string j = dir.File("onto-j/dvbc");
  Logged(Succeed({"apply-reference", "--carry", "numbers,favourites", dir.File("j/dvbc"), Sample(kECable), j}),
         std::string("Reference list taken from map-CableD of ") + kECable);
  const std::map<std::string, int> back = FirstFavourites(Shown(Succeed({"show", j})));
  const std::map<std::string, int> eFavourites = FirstFavourites(Shown(Succeed({"show", dir.File("e/map-CableD")})));
  for (const auto& [ids, position] : back) EXPECT_TRUE(eFavourites.count(ids)) << ids;
  // What the grid shows is what the saved database holds: one SRV_FAV row per member.
  EXPECT_EQ(test::SqlReader(j).One("SELECT count(*) FROM SRV_FAV WHERE fav = 1"), "i:" + std::to_string(back.size()));
}

}  // namespace
}  // namespace tarno
