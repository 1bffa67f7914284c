#include <gtest/gtest.h>

#include "ModelTestSupport.h"

namespace tarno {
namespace {

using test::Bytes;

TDataObject ThreeByteRecords(std::vector<TDataByteArray> records, bool header = false) {
  TDataObject data = test::ObjectFor(std::string("[F]\n") + (header ? "HEADER = $81\n" : "") +
                                         "ITEM = A, 3, 1, , , 1\nITEM = C, 1, 1, ^, , 2\n",
                                     "F");
  data.Records = std::move(records);
  return data;
}

TEST(TextDump, RecordLinesShowHexThenPrintableCharacters) {
  TDataObject data = test::ObjectFor("[F]\nITEM = A, 3, 1, , , 1\n", "F");
  data.Records = {Bytes({0x41, 0x00, 0x7F})};
  EXPECT_EQ(data.ExportToString(), "$41 00 7F     A..\r\n");
  data.HasHeader = true;
  data.Header = 0xAB;
  EXPECT_EQ(data.ExportToString(), "$000000AB\r\n$41 00 7F     A..\r\n");
}

TEST(TextDump, ImportOfAnExportReproducesEverything) {
  TDataObject source = ThreeByteRecords({Bytes({0x20, 0x7E, 0xFF, 0x00}), Bytes({1, 2, 3, 4})}, true);
  source.Header = 0xDEADBEEF;
  const std::string dump = source.ExportToString();
  TDataObject target = ThreeByteRecords({TDataByteArray(4), TDataByteArray(4)}, true);
  ASSERT_TRUE(target.ImportFromString(dump));
  EXPECT_EQ(target.Header, 0xDEADBEEFu);
  EXPECT_EQ(target.Records, source.Records);
}

// A dump is taken whole or not at all: a refused one leaves every record and
// the header as they were, and ImportError names the line.
TEST(TextDump, ALineOfAnotherRecordLengthIsRefused) {
  TDataObject data = ThreeByteRecords({TDataByteArray(4, 9), TDataByteArray(4, 9), TDataByteArray(4, 9)});
  const std::vector<TDataByteArray> before = data.Records;
  EXPECT_FALSE(data.ImportFromString("$01 02 03 04    ....\r\n$01 02 03 04 05    .....\r\n$01 02 03 04\r\n"));
  EXPECT_EQ(data.ImportError, "Line 2 of the dump holds no record of 4 bytes");
  EXPECT_EQ(data.Records, before);
}

TEST(TextDump, ADumpThatEndsEarlyIsRefusedNamingTheLineOfTheFirstMissingRecord) {
  TDataObject data = ThreeByteRecords({TDataByteArray(4, 9), TDataByteArray(4, 9)});
  const std::vector<TDataByteArray> before = data.Records;
  EXPECT_FALSE(data.ImportFromString("$01 02 03 04    ....\r\n"));
  EXPECT_EQ(data.ImportError, "The dump ends early: line 2 should hold record 2 of 2");
  EXPECT_FALSE(data.ImportFromString("$01 02 03 04    ....\r\n$05 06 07 08    ...."));  // no LF
  EXPECT_EQ(data.ImportError, "The dump ends early: line 2 should hold record 2 of 2");
  EXPECT_EQ(data.Records, before);

  TDataObject withHeader = ThreeByteRecords({TDataByteArray(4, 9)}, true);
  EXPECT_FALSE(withHeader.ImportFromString("$00000081"));
  EXPECT_EQ(withHeader.ImportError, "The dump ends early: line 1 should hold the header");
  EXPECT_FALSE(withHeader.ImportFromString("$00000082\r\n"));
  EXPECT_EQ(withHeader.ImportError, "The dump ends early: line 2 should hold record 1 of 1");
  EXPECT_EQ(withHeader.Header, kDefaultHeader);
}

// A dump of a longer file would otherwise lose its last records unseen.
TEST(TextDump, MoreRecordsThanTheFileAreRefusedNamingTheFirstExtraLine) {
  TDataObject data = ThreeByteRecords({TDataByteArray(4, 9)}, true);
  EXPECT_FALSE(data.ImportFromString("$00000082\r\n$01 02 03 04    ....\r\n\r\n$05 06 07 08    ....\r\n"));
  EXPECT_EQ(data.ImportError, "The dump has more records than the file (1): line 4 is one too many");
  EXPECT_FALSE(data.ImportFromString("$00000082\r\n$01 02 03 04    ....\r\nno line end"));
  EXPECT_EQ(data.ImportError, "The dump has more records than the file (1): line 3 is one too many");
  EXPECT_EQ(data.Records[0], TDataByteArray(4, 9));
  EXPECT_EQ(data.Header, kDefaultHeader);

  // Blank lines at the end hold no record.
  ASSERT_TRUE(data.ImportFromString("$00000082\r\n$01 02 03 04    ....\r\n\r\n \t\r\n"));
  EXPECT_EQ(data.ImportError, "");
  EXPECT_EQ(data.Records[0], Bytes({1, 2, 3, 4}));
  EXPECT_EQ(data.Header, 0x82u);
}

TEST(TextDump, HeaderLineWithoutCrLosesItsLastDigit) {
  TDataObject data = ThreeByteRecords({}, true);
  ASSERT_TRUE(data.ImportFromString("$00000123\n"));
  EXPECT_EQ(data.Header, 0x12u);
}

TEST(TextDump, PairsAreNotValidated) {
  TDataObject data = ThreeByteRecords({TDataByteArray(4)});
  ASSERT_TRUE(data.ImportFromString("$0G zz 1. -1    ....\r\n"));
  EXPECT_EQ(data.Records[0], Bytes({16, 35 * 16 + 35, 0, 1}));
}

TEST(TextDump, ExportWithRegenerationChangesTheRecordsInMemory) {
  test::TempDir dir;
  TDataObject data = ThreeByteRecords({Bytes({1, 2, 3, 0})});
  ASSERT_TRUE(data.ExportToText(dir.File("dump.txt"), true));
  EXPECT_EQ(data.Records[0][3], 6);
  EXPECT_EQ(test::ReadFile(dir.File("dump.txt")), "$01 02 03 06     ....\r\n");
  TDataObject back = ThreeByteRecords({TDataByteArray(4)});
  ASSERT_TRUE(back.ImportFromText(dir.File("dump.txt")));
  EXPECT_EQ(back.Records, data.Records);
}

}  // namespace
}  // namespace tarno
