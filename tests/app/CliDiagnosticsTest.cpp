// tarno-cli rwtest, export, import and ptccable, run as a user would.
#include <gtest/gtest.h>

#include "AsciiText.h"
#include "LayoutReader.h"
#include "PtcCable.h"
#include "RunProgram.h"

namespace tarno {
namespace {

using test::RunProgram;

const std::string kSettings = std::string(TARNO_BIN_DIR) + "/TarnoChannelEdit.ini";

// A folder holding all fourteen files of the read/write test, taken from two
// real archives (no single archive has both a satellite and a cable map and a PTC table).
void AssembleReadWriteFolder(const std::filesystem::path& folder) {
  test::TempDir other;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE40ES8000_1201.scm", folder));
  ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", other.Path()));
  std::filesystem::copy_file(other.Path() / "map-CableD", folder / "map-CableD");
}

TEST(CliReadWriteTest, RealFilesComeBackAsIdenticalCopies) {
  test::TempDir dir;
  AssembleReadWriteFolder(dir.Path());
  const auto result = RunProgram("tarno-cli", {"rwtest", "--ini", kSettings, dir.Path().string()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("Processing Map-CableD succeeded\n"), std::string::npos);
  EXPECT_NE(result.out.find("Read/Write test ended. You should now have identical copies of the files with an "
                            ".OUT extension.\n"),
            std::string::npos);
  int copies = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir.Path())) {
    const std::string name = file.path().filename().string();
    if (file.path().extension() != ".OUT") continue;
    const std::string stem = name.substr(0, name.size() - 4);
    std::string source;
    for (const auto& other : std::filesystem::directory_iterator(dir.Path()))
      if (text::UpperAscii(other.path().filename().string()) == text::UpperAscii(stem)) source = other.path().string();
    ASSERT_FALSE(source.empty()) << name;
    EXPECT_EQ(test::ReadFile(file.path().string()), test::ReadFile(source)) << name;
    ++copies;
  }
  EXPECT_EQ(copies, 14);
}

TEST(CliReadWriteTest, NamesWithoutLayoutCountAsFailures) {
  test::TempDir dir;
  AssembleReadWriteFolder(dir.Path());
  test::WriteFile(dir.File("settings.ini"), "[CloneInfo]\nHEADER = 0\nITEM = C, 1, 1, /, , 1\n");
  const auto result = RunProgram("tarno-cli", {"rwtest", "--ini", dir.File("settings.ini"), dir.Path().string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.out.find("Processing CloneInfo succeeded\nProcessing FineTune_Digital failed\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("Read/Write test ended. Some parts (13) failed.\nOnly the succeeded parts have created "
                            "identical copies of the files with an .OUT extension.\n"),
            std::string::npos);
}

TEST(CliReadWriteTest, AMissingFileEndsTheTestWithAnError) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path()));  // has no satellite map
  const auto result = RunProgram("tarno-cli", {"rwtest", "--ini", kSettings, dir.Path().string()});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("Map-SateD"), std::string::npos);
  EXPECT_EQ(result.out.find("Read/Write test ended"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Map-ChKey.OUT"));  // written before the failure
}

TEST(CliDump, ExportThenImportGivesTheSameFile) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path()));
  const auto exported =
      RunProgram("tarno-cli", {"export", "--ini", kSettings, dir.File("SatDataBase.dat"), dir.File("dump.txt")});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(exported.out, "Data exported as " + dir.File("dump.txt") + "\n");
  const auto imported = RunProgram("tarno-cli", {"import", "--ini", kSettings, dir.File("SatDataBase.dat"),
                                                 dir.File("dump.txt"), dir.File("copy")});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(test::ReadFile(dir.File("copy")), test::ReadFile(dir.File("SatDataBase.dat")));
}

TEST(CliDump, AFailedImportWritesNothing) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path()));
  test::WriteFile(dir.File("dump.txt"), "$00 11    ..\r\n");
  const auto result = RunProgram("tarno-cli", {"import", "--ini", kSettings, dir.File("map-ChKey"),
                                               dir.File("dump.txt"), dir.File("copy")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "tarno-cli: Data import failed: Line 1 of the dump holds no record of 4 bytes\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("copy")));
}

// A dump of another file, longer or shorter, is no dump of this one: it is
// refused naming the line, and nothing is written. Blank lines at its end do
// not count.
TEST(CliDump, ADumpWithMoreOrFewerRecordsThanTheFileIsRefused) {
  test::TempDir dir;
  ASSERT_TRUE(test::ExtractSample("channel_list_UE46F7000_1201.scm", dir.Path()));
  const std::string file = dir.File("map-CableD");
  ASSERT_EQ(RunProgram("tarno-cli", {"export", "--ini", kSettings, file, dir.File("dump.txt")}).exitCode, 0);
  const std::string dump = test::ReadFile(dir.File("dump.txt"));
  const size_t lastLine = dump.rfind("\r\n", dump.size() - 3) + 2;
  const size_t secondLast = dump.rfind("\r\n", lastLine - 3) + 2;
  const auto import = [&](const std::string& text) {
    test::WriteFile(dir.File("edited.txt"), text);
    return RunProgram("tarno-cli", {"import", "--ini", kSettings, file, dir.File("edited.txt"), dir.File("copy")});
  };

  const std::string extra = dump.substr(lastLine);
  auto result = import(dump + extra + extra + extra);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err,
            "tarno-cli: Data import failed: The dump has more records than the file (1000): line 1001 is one too many\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("copy")));

  result = import(dump.substr(0, secondLast));
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "tarno-cli: Data import failed: The dump ends early: line 999 should hold record 999 of 1000\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("copy")));

  result = import(dump + "\r\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(test::ReadFile(dir.File("copy")) == test::ReadFile(file));
}

TEST(CliFailures, EachFailureIsOneLineAndExitTwo) {
  test::TempDir dir;
  test::WriteFile(dir.File("map-ChKey"), "12345");  // not a whole 4-byte record
  test::WriteFile(dir.File("Unknown.bin"), "1234");
  const std::vector<std::vector<std::string>> cases = {
      {"export", "--ini", kSettings, dir.File("map-ChKey"), dir.File("d.txt")},
      {"export", "--ini", kSettings, dir.File("Unknown.bin"), dir.File("d.txt")},
      {"export", "--ini", kSettings, dir.File("missing"), dir.File("d.txt")},
      {"export", "--ini", dir.File("no.ini"), dir.File("map-ChKey"), dir.File("d.txt")},
      {"ptccable", dir.File("no/such/folder/PtcCable")},
      {"export", "--ini", kSettings},
      {"frobnicate"},
  };
  for (const auto& args : cases) {
    const auto result = RunProgram("tarno-cli", args);
    EXPECT_EQ(result.exitCode, 2) << args[0];
    EXPECT_EQ(result.err.rfind("tarno-cli: ", 0), 0u) << result.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("d.txt")));
  const auto mismatch = RunProgram("tarno-cli", cases[0]);
  EXPECT_EQ(mismatch.err,
            "tarno-cli: LoadFromStream failed (probably size mismatch) (TarnoChannelEditUnit002, line 635)\n");
  const auto noLayout = RunProgram("tarno-cli", cases[1]);
  EXPECT_EQ(noLayout.err, "tarno-cli: Processing Unknown.bin failed (none/invalid INI setting)\n");
}

TEST(CliPtcCable, WritesTheFullTable) {
  test::TempDir dir;
  const auto result = RunProgram("tarno-cli", {"ptccable", dir.File("PtcCable")});
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "Generated PtcCable style file\n");
  EXPECT_EQ(test::ReadFile(dir.File("PtcCable")), GeneratePtcCableTable());
}

}  // namespace
}  // namespace tarno
