// Names a television can read: it reads a channel name up to its zero unit, so
// with the default script every such field of every preset keeps one behind
// the name, and a name without room for it is refused, saying how many
// characters fit. Short names and satellite channel names, which the sets
// write to the field's last unit, and provider names, which end where their
// byte count says, may fill their field.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "DefaultsTestSupport.h"
#include "ScriptSession.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

using test::RunProgram;

const std::string kSettingsFiles[] = {
    test::kDefaultSettings,
    test::SourcePath("data/layouts/TarnoChannelEdit-1201.ini"),
    test::SourcePath("data/layouts/TarnoChannelEdit-1101.ini"),
    test::SourcePath("data/layouts/TarnoChannelEdit-1001.ini"),
    test::SourcePath("data/layouts/TarnoChannelEdit-B2009.ini"),
};

bool IsNameField(const TDataItem& item) {
  return item.ScriptName == "NameBE" || item.ScriptName == "FillNameBE" || item.ScriptName == "NameLE" ||
         item.ScriptName == "AnalogName" || item.ScriptName == "CountedName";
}
bool BehindACount(const TDataItem& item) { return item.ScriptName == "AnalogName" || item.ScriptName == "CountedName"; }
// Short names and satellite channel names (FillNameBE) may fill their field, as the sets write
// them; so may provider names, whose byte count says where they end.
bool EndsAtAZeroUnit(const TDataItem& item) {
  return item.ScriptName != "CountedName" && item.ScriptName != "FillNameBE";
}

// The characters a name field takes: its units, less the byte count before the
// name and the zero unit behind it.
size_t Room(const TDataItem& item) {
  return static_cast<size_t>(item.Size) / 2 - (BehindACount(item) ? 1 : 0) - (EndsAtAZeroUnit(item) ? 1 : 0);
}

std::string TooLong(const std::string& caption, const std::string& name, size_t room) {
  return caption + " '" + name + "' is too long: at most " + std::to_string(room) + " characters fit";
}

std::vector<std::string> Sections(const std::string& settingsFile) {
  std::vector<std::string> sections;
  std::istringstream in(test::ReadFile(settingsFile));
  for (std::string line; std::getline(in, line);)
    if (line.rfind('[', 0) == 0) sections.push_back(line.substr(1, line.find(']') - 1));
  return sections;
}

class EveryPreset : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { ASSERT_TRUE(script_.Reload(test::kDefaultScript, [](const std::string&) {})); }
  ScriptSession script_;
};

TEST_P(EveryPreset, ANameKeepsItsZeroUnitAndOneCharacterMoreIsRefused) {
  int fields = 0;
  for (const std::string& section : Sections(GetParam())) {
    TDataObject data(GetParam(), section);
    for (const TDataItem& item : data.Items) {
      if (!IsNameField(item)) continue;
      SCOPED_TRACE(section + " " + item.Name);
      ++fields;
      // Bytes that are no name, so that every zero unit is one the script wrote.
      const TDataByteArray before(static_cast<size_t>(data.RecordSize()), 'x');
      data.Records = {before};
      grid::CellStore cells;
      data.FillGrid(&cells);
      const int col = std::abs(item.Column);
      const size_t room = Room(item);
      const std::string longest(room, 'N');
      const std::string oneMore = longest + "N";

      EXPECT_EQ(data.CellTextRefusal(&cells, col, 1, longest), "");
      EXPECT_EQ(data.CellTextRefusal(&cells, col, 1, oneMore), TooLong(item.Name, oneMore, room));
      cells.SetText(col, 1, oneMore);
      EXPECT_FALSE(data.GridToRecords(&cells, false));
      EXPECT_EQ(data.LastRefusal, TooLong(item.Name, oneMore, room));
      EXPECT_EQ(data.Records[0], before) << "a refused name changes nothing";

      cells.SetText(col, 1, longest);
      ASSERT_TRUE(data.GridToRecords(&cells, false));
      const std::string stored(data.Records[0].begin(), data.Records[0].end());
      const size_t last = static_cast<size_t>(item.Offset) + (BehindACount(item) ? 2 : 0) + 2 * (room - 1);
      EXPECT_EQ(stored.substr(last, 2), item.ScriptName == "NameLE" ? std::string("N\0", 2) : std::string("\0N", 2));
      const size_t behind = EndsAtAZeroUnit(item) ? 2 : 0;
      EXPECT_EQ(stored.substr(last + 2, behind), std::string(behind, '\0'));
      EXPECT_EQ(last + 2 + behind, static_cast<size_t>(item.Offset + item.Size)) << "the name fills the field";
    }
  }
  EXPECT_GE(fields, 7);
}

INSTANTIATE_TEST_SUITE_P(Settings, EveryPreset, ::testing::ValuesIn(kSettingsFiles),
                         [](const ::testing::TestParamInfo<std::string>& settings) {
                           std::string name = std::filesystem::path(settings.param).stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name + "_" + std::to_string(settings.index);
                         });

// tarno-cli on a real archive: a name typed with no room left ends the command
// before anything is written; the longest that fits is stored with its zero unit.
class TypedNames : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path())); }
  test::ProgramResult Edit(const std::string& entry, const std::string& select, const std::string& name) {
    return RunProgram("tarno-cli", {"edit", "--ini", test::kDefaultSettings, "--script", test::kDefaultScript,
                                    dir.File(entry), Out(), select, "type=" + name});
  }
  std::string Out() const { return dir.File("out"); }
  test::TempDir dir;
};

TEST_F(TypedNames, AnAnalogNameTakesFiveCharactersAndADigitalOneNinetyNine) {
  struct Case {
    const char* entry;
    size_t record;
    size_t nameAt;  // the first unit of the name
    size_t room;
  };
  for (const Case& c : {Case{"map-AirA", 64, 20, 5}, Case{"map-CableD", 320, 64, 99}}) {
    SCOPED_TRACE(c.entry);
    const std::string oneMore(c.room + 1, 'A');
    test::ProgramResult run = Edit(c.entry, "select=2,1", oneMore);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "tarno-cli: " + TooLong("Name", oneMore, c.room) + "\n");
    EXPECT_FALSE(std::filesystem::exists(Out()));

    run = Edit(c.entry, "select=2,1", std::string(c.room, 'A'));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string saved = test::ReadFile(Out());
    std::string units;
    for (size_t i = 0; i < c.room; ++i) units += std::string("\0A", 2);
    EXPECT_EQ(saved.substr(c.nameAt, 2 * c.room + 2), units + std::string(2, '\0'));
    std::filesystem::remove(Out());
  }
}

// Text that only the save converts (a CSV's cells) fails the save with the
// reason, and the file stays as it was.
TEST_F(TypedNames, ASaveOfANameWithoutRoomFailsWithTheReasonAndLeavesTheFile) {
  const std::string file = dir.File("map-AirA");
  const std::string original = test::ReadFile(file);
  // Every record listed, as an import needs; the first one renamed.
  std::string csv = "#,Name\r\n1,ABCDEF\r\n";
  for (size_t record = 2; record <= original.size() / 64; ++record) csv += std::to_string(record) + ",\r\n";
  test::WriteFile(dir.File("names.csv"), csv);
  const auto run = RunProgram("tarno-cli", {"csv-import", "--ini", test::kDefaultSettings, "--script",
                                            test::kDefaultScript, file, dir.File("names.csv"), file});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "tarno-cli: Error in data: " + TooLong("Name", "ABCDEF", 5) + "\n");
  EXPECT_TRUE(test::ReadFile(file) == original);
}

}  // namespace
}  // namespace tarno
