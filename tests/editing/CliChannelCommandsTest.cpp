// tarno-cli's channel commands on a real cable map of the later family, read
// with the default settings and script: a range of rows into favourites,
// flags, the list check, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "RunProgram.h"
#include "SampleFamilies.h"

namespace tarno {
namespace {

using test::RunProgram;
using Grid = std::vector<std::vector<std::string>>;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
const std::string kScript = test::SourcePath("data/TarnoChannelEdit.rops");

Grid Parse(const std::string& shown) {
  Grid rows;
  std::istringstream lines(shown);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream parts(line);
    for (std::string cell; std::getline(parts, cell, '\t');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

size_t ColumnOf(const Grid& grid, const std::string& caption) {
  for (size_t c = 0; c < grid.front().size(); ++c) {
    const std::string& shown = grid.front()[c];
    if (shown.substr(shown.find_first_not_of(' ')) == caption) return c;  // captions may stand a blank in
  }
  ADD_FAILURE() << "no column " << caption;
  return 0;
}

class CliChannelCommands : public ::testing::Test {
 protected:
  // The first archive of the later family with the map; none: the test is skipped.
  void FindMap(const std::string& map) {
    for (const std::string& archive : test::SampleArchives()) {
      const std::filesystem::path folder = dir_.Path() / archive;
      if (!test::ExtractSample(archive, folder) || test::FamilyOf(folder) != "1201") continue;
      if (!std::filesystem::exists(folder / map)) continue;
      folder_ = folder;
      return;
    }
    GTEST_SKIP() << "no later-family archive with " << map << " among the samples";
  }
  void SetUp() override { FindMap("map-CableD"); }
  test::ProgramResult Cli(std::vector<std::string> args) const { return RunProgram("tarno-cli", args); }
  test::ProgramResult Edit(const std::string& map, const std::string& out, std::vector<std::string> steps) const {
    std::vector<std::string> args = {"edit", "--ini", kSettings, "--script", kScript, (folder_ / map).string(), out};
    args.insert(args.end(), steps.begin(), steps.end());
    return Cli(args);
  }
  Grid Show(const std::string& path) const {
    return Parse(Cli({"show", "--ini", kSettings, "--script", kScript, path}).out);
  }
  std::string Out(const std::string& name) const {
    std::filesystem::create_directories(dir_.Path() / "out");
    return (dir_.Path() / "out" / name).string();
  }

  test::TempDir dir_;
  std::filesystem::path folder_;
};

TEST_F(CliChannelCommands, ARangeOfRowsJoinsAFavouritesListInRowOrderAndIsLockedInOneGo) {
  const std::string out = Out("map-CableD");
  const auto edited = Edit("map-CableD", out, {"select=1,2:1,6", "favourite-add=1", "lock=on"});
  ASSERT_EQ(edited.exitCode, 0) << edited.err;
  const Grid before = Show((folder_ / "map-CableD").string());
  const Grid after = Show(out);
  const size_t fav1 = ColumnOf(after, "Fav1");
  const size_t lock = ColumnOf(after, "Lock");
  int position = 0;
  for (int row = 2; row <= 6; ++row) {
    if (before[row][fav1] == "-1") {
      EXPECT_EQ(after[row][fav1], std::to_string(++position)) << "row " << row;
    }
    EXPECT_NE(after[row][lock], before[row][lock]) << "row " << row;
  }
  EXPECT_EQ(after[1], before[1]);  // outside the range
  EXPECT_EQ(after[7], before[7]);
}

TEST_F(CliChannelCommands, AFlagTheListLacksIsOneLineAndNoFile) {
  const auto badWord = Edit("map-CableD", Out("map-CableD"), {"lock=maybe"});
  EXPECT_EQ(badWord.exitCode, 2);
  EXPECT_NE(badWord.err.find("expected lock=on|off"), std::string::npos);
  ASSERT_NO_FATAL_FAILURE(FindMap("map-SateD"));
  if (IsSkipped()) return;
  const std::string out = Out("map-SateD");
  const auto refused = Edit("map-SateD", out, {"select=1,1", "skip=on"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "tarno-cli: This list has no Skip field\n");
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliChannelCommands, CheckFindsTheNumberTypedTwice) {
  const std::string map = (folder_ / "map-CableD").string();
  const auto clean = Cli({"check", "--ini", kSettings, "--script", kScript, map});
  if (clean.exitCode != 0) GTEST_SKIP() << "the sample's list has problems of its own: " << clean.out;
  EXPECT_EQ(clean.out, "");
  const Grid shown = Show(map);
  const std::string out = Out("map-CableD");
  ASSERT_EQ(Edit("map-CableD", out, {"select=1,3", "type=" + shown[2][0]}).exitCode, 0);
  const auto found = Cli({"check", "--ini", kSettings, "--script", kScript, out});
  EXPECT_EQ(found.exitCode, 1);
  EXPECT_NE(found.out.find("duplicate number " + std::to_string(std::stoi(shown[2][0])) + ": rows 2, 3"),
            std::string::npos)
      << found.out;
  EXPECT_EQ(Cli({"check", "--ini", kSettings, "no-such-file"}).exitCode, 2);
}

}  // namespace
}  // namespace tarno
