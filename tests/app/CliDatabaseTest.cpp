// tarno-cli on the channel databases of the newer sets (the real .zip samples)
// with the default settings and script: the section follows the bare file
// name, and the grid commands write through to the database columns.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestFiles.h"
#include "DatabaseTestSupport.h"
#include "RunProgram.h"

namespace tarno {
namespace {

namespace fs = std::filesystem;

const std::string kSettings = test::SourcePath("data/TarnoChannelEdit.ini");
const std::string kScript = test::SourcePath("data/TarnoChannelEdit.rops");

test::ProgramResult Cli(std::vector<std::string> args) {
  std::vector<std::string> words = {args.front(), "--ini", kSettings, "--script", kScript};
  words.insert(words.end(), args.begin() + 1, args.end());
  return test::RunProgram("tarno-cli", words);
}

std::string Succeed(std::vector<std::string> args) {
  const test::ProgramResult result = Cli(args);
  EXPECT_EQ(result.exitCode, 0) << args.front() << ": " << result.err;
  return result.out;
}

using ::tarno::test::Lines;

// The samples of one archive extracted, and a folder "out" for the files written.
class CliDatabase : public testing::Test {
 protected:
  void Extract(const std::string& archive) {
    if (!test::HasZipSample(archive)) GTEST_SKIP() << archive << " is not among the samples";
    ASSERT_TRUE(test::ExtractZipSample(archive, dir_.Path()));
    fs::create_directories(dir_.Path() / "out");
  }
  std::string In(const std::string& name) const { return dir_.File(name); }
  std::string Out(const std::string& name) const { return dir_.File("out/" + name); }
  std::string Sql(const std::string& file, const std::string& query) const {
    return test::SqlReader(Out(file)).One(query);
  }
  void ExpectSound(const std::string& file) const {
    EXPECT_EQ(Sql(file, "PRAGMA integrity_check"), "t:6F006B00");  // "ok" in UTF-16le
    EXPECT_FALSE(test::HasJournalFiles(dir_.Path() / "out"));
    EXPECT_FALSE(test::HasJournalFiles(dir_.Path()));
  }

  test::TempDir dir_;
};

TEST_F(CliDatabase, ShowRoundtripAndAnUnchangedCsvKeepTheFileByteForByte) {
  Extract(test::kKArchive);
  const std::vector<std::string> shown = Lines(Succeed({"show", In("dvbs")}));
  ASSERT_EQ(shown.size(), 1324u);  // the captions and 1,323 services
  EXPECT_EQ(shown[0].rfind(" Nr\t Name\t", 0), 0u) << shown[0];
  bool found = false;
  for (const std::string& line : shown) found = found || line.rfind("00418\tORF2E\t", 0) == 0;
  EXPECT_TRUE(found);

  const std::string original = test::ReadFile(In("dvbs"));
  Succeed({"roundtrip", "--displayed-order", In("dvbs"), Out("dvbs")});
  EXPECT_EQ(test::ReadFile(Out("dvbs")), original);
  Succeed({"csv-export", In("dvbt"), Out("dvbt.csv")});
  Succeed({"csv-import", In("dvbt"), Out("dvbt.csv"), Out("dvbt")});
  EXPECT_EQ(test::ReadFile(Out("dvbt")), test::ReadFile(In("dvbt")));
  EXPECT_FALSE(test::HasJournalFiles(dir_.Path()));
}

TEST_F(CliDatabase, EditWritesNamesFavouritesAndFlagsToTheirColumnsAndRows) {
  Extract(test::kJArchive);
  Succeed({"edit", In("dvbc"), Out("dvbc"), "select=2,1", "type=ZDF neu", "select=1,6:1,7", "favourite-add=2",
           "lock=on", "skip=on", "select=1,8", "hide=on", "select=1,9", "delete=on", "select=1,1", "favourite-remove=1"});
  ExpectSound("dvbc");
  const std::string where = " FROM SRV WHERE major = ";
  EXPECT_EQ(Sql("dvbc", "SELECT srvName" + where + "1"), "t:" "005A004400460020006E00650075");  // "ZDF neu"
  EXPECT_EQ(Sql("dvbc", "SELECT lockMode, numSel" + where + "6"), "i:1|i:0");
  EXPECT_EQ(Sql("dvbc", "SELECT lockMode, numSel" + where + "7"), "i:1|i:0");
  EXPECT_EQ(Sql("dvbc", "SELECT hidden, hideGuide" + where + "8"), "i:1|i:1");
  EXPECT_EQ(Sql("dvbc", "SELECT elim" + where + "9"), "i:1");
  EXPECT_EQ(Sql("dvbc", "SELECT group_concat(pos) FROM (SELECT pos FROM SRV_FAV JOIN SRV USING (srvId)"
                        " WHERE fav = 2 ORDER BY major)"),
            "t:" "30002C003100");  // "0,1"
  // Channel 1 left list 1; the others closed the gap (stored 1, 4, 2, 3 become 0, 3, 1, 2).
  EXPECT_EQ(Sql("dvbc", "SELECT count(*) FROM SRV_FAV JOIN SRV USING (srvId) WHERE fav = 1 AND major = 1"), "i:0");
  EXPECT_EQ(Sql("dvbc", "SELECT group_concat(pos) FROM (SELECT pos FROM SRV_FAV JOIN SRV USING (srvId)"
                        " WHERE fav = 1 ORDER BY major)"),
            "t:" "30002C0033002C0031002C003200");  // "0,3,1,2"
}

TEST_F(CliDatabase, ReferenceListsDuplicatesAndTheCheckWorkOnDatabases) {
  Extract(test::kJArchive);
  // A reference with the first two channels swapped numbers them so.
  fs::create_directories(dir_.Path() / "ref");
  Succeed({"edit", In("dvbc"), dir_.File("ref/dvbc"), "select=1,1", "type=2", "select=1,2", "type=1"});
  const std::string applied = Succeed({"apply-reference", In("dvbc"), dir_.File("ref/dvbc"), Out("dvbc")});
  EXPECT_NE(applied.find("540 of 540 channels found"), std::string::npos) << applied;
  EXPECT_EQ(test::SqlReader(Out("dvbc")).Rows("SELECT major FROM SRV WHERE major <= 2 ORDER BY srvId"),
            test::SqlReader(dir_.File("ref/dvbc")).Rows("SELECT major FROM SRV WHERE major <= 2 ORDER BY srvId"));
  ExpectSound("dvbc");

  EXPECT_EQ(Cli({"check", In("dvbc")}).exitCode, 0);
  EXPECT_EQ(Cli({"check", dir_.File("ref/dvbc")}).exitCode, 0);
  fs::create_directories(dir_.Path() / "twice");
  Succeed({"edit", In("dvbc"), dir_.File("twice/dvbc"), "select=1,2", "type=1"});
  const test::ProgramResult check = Cli({"check", dir_.File("twice/dvbc")});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_NE(check.out.find("duplicate number 1: rows 1, 2"), std::string::npos) << check.out;

  // Channel 2 made a second channel of the service of channel 1, then cleared by dedupe:
  // its service stays in the database, its number and name cleared.
  fs::create_directories(dir_.Path() / "dup");
  Succeed({"edit", In("dvbc"), dir_.File("dup/dvbc"), "select=15,2", "type=11100", "select=16,2", "type=1051",
           "select=17,2", "type=41985"});
  const std::vector<std::string> groups = Lines(Succeed({"duplicates", dir_.File("dup/dvbc")}));
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.back(), "1 2");
  Succeed({"dedupe", dir_.File("dup/dvbc"), Out("deduped")});
  const std::string deduped = dir_.File("out/deduped");
  fs::rename(deduped, Out("dvbc"));
  ExpectSound("dvbc");
  EXPECT_EQ(Sql("dvbc", "SELECT count(*) FROM SRV"), "i:540");
  EXPECT_EQ(Sql("dvbc", "SELECT count(*), max(length(srvName)), max(progNum) FROM SRV WHERE major = 0"), "i:1|i:0|i:0");
}

TEST_F(CliDatabase, BadInputIsOneLineAndExitCodeTwoWithNothingWritten) {
  Extract(test::kKmArchive);
  fs::create_directories(dir_.Path() / "bad");
  test::WriteFile(dir_.File("bad/ipsrv"), "not a database at all");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"show", dir_.File("bad/ipsrv")},
        std::vector<std::string>{"roundtrip", dir_.File("bad/ipsrv"), Out("ipsrv")},
        std::vector<std::string>{"edit", dir_.File("bad/ipsrv"), Out("ipsrv"), "select=1,1", "lock=on"}}) {
    const test::ProgramResult result = Cli(args);
    EXPECT_EQ(result.exitCode, 2) << args.front();
    EXPECT_EQ(result.err, "tarno-cli: ipsrv: not an SQLite database\n") << args.front();
  }
  EXPECT_FALSE(fs::exists(Out("ipsrv")));

  // A name too long for the set is refused as it is typed.
  const test::ProgramResult typed = Cli({"edit", In("dvbc"), Out("dvbc"), "select=2,1", "type=" + std::string(100, 'x')});
  EXPECT_EQ(typed.exitCode, 2);
  EXPECT_FALSE(fs::exists(Out("dvbc")));
}

}  // namespace
}  // namespace tarno
