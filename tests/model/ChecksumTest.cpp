#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "PtcCable.h"

namespace tarno {
namespace {

using test::Bytes;
using test::WithRecords;

TEST(Checksum, NoChecksumFieldChangesNothing) {
  TDataObject data = WithRecords("[F]\nITEM = A, 3, 1, , , 1\n", {Bytes({1, 2, 3})});
  EXPECT_TRUE(data.UpdateChecksums());
  EXPECT_EQ(data.Records[0], Bytes({1, 2, 3}));
}

TEST(Checksum, ByteSumOfEverythingBefore) {
  TDataObject one = WithRecords("[F]\nITEM = A, 3, 1, , , 1\nITEM = C, 1, 1, ^, , 2\n", {Bytes({0xFF, 1, 2, 9})});
  ASSERT_TRUE(one.UpdateChecksums());
  EXPECT_EQ(one.Records[0][3], 0x02);

  TDataObject two = WithRecords("[F]\nITEM = A, 3, 1, , , 1\nITEM = C, 2, 2, ^, , 2\n", {Bytes({0xFF, 1, 2, 9, 9})});
  ASSERT_TRUE(two.UpdateChecksums());
  EXPECT_EQ(two.Records[0][3], 0x01);  // most significant byte first
  EXPECT_EQ(two.Records[0][4], 0x02);

  TDataObject four = WithRecords("[F]\nITEM = A, 3, 1, , , 1\nITEM = C, 4, 4, ^, , 2\n",
                                 {Bytes({0xFF, 1, 2, 9, 9, 9, 9})});
  ASSERT_TRUE(four.UpdateChecksums());
  EXPECT_EQ(four.Records[0], Bytes({0xFF, 1, 2, 9, 9, 9, 9}));
}

TEST(Checksum, OnlyTheFirstChecksumFieldIsRegenerated) {
  TDataObject data = WithRecords(
      "[F]\nITEM = A, 2, 1, , , 1\nITEM = C, 1, 1, ^, , 2\nITEM = Pad, 21, 1, , , 3\n"
      "ITEM = T, 1, 1, !CRCFINETUNE, , 4\n",
      {TDataByteArray(25, 1)});
  ASSERT_TRUE(data.UpdateChecksums());
  EXPECT_EQ(data.Records[0][2], 2);
  EXPECT_EQ(data.Records[0][24], 1);
}

const char* kPtcSettings = "[F]\nITEM = A, 11, 1, , , 1\nITEM = P, 1, 1, !CrcPtcCable, , 2\n";

TDataByteArray PtcRecord(uint8_t b5, uint8_t v, uint8_t group) {
  TDataByteArray record(12, 0x77);
  record[5] = b5;
  record[6] = v;
  record[7] = group;
  return record;
}

TEST(Checksum, CablePtcRuleNumbersTheRecord) {
  std::vector<TDataByteArray> records(301, PtcRecord(0, 0, 'B'));
  records[0] = PtcRecord(0x00, 0x10, 'B');
  records[300] = PtcRecord(0x00, 200, 'C');
  TDataObject data = WithRecords(kPtcSettings, records);
  ASSERT_TRUE(data.UpdateChecksums());
  EXPECT_EQ(data.Records[0], Bytes({0, 0, 0, 0, 0, 0x00, 0x10, 'B', 0, 0, 0, 36}));
  EXPECT_EQ(data.Records[300], Bytes({0, 0, 0, 0, 0, 0x00, 200, 'C', 44, 1, 0, 188}));
}

TEST(Checksum, CablePtcGroupDSetsTheTopBitOfByteFive) {
  TDataObject data = WithRecords(kPtcSettings, {PtcRecord(0x81, 1, 'D'), PtcRecord(0x01, 1, 'D')});
  ASSERT_TRUE(data.UpdateChecksums());
  EXPECT_EQ(data.Records[0][5], 0x81);
  EXPECT_EQ(data.Records[1][5], 0x81);
  EXPECT_EQ(data.Records[1][11], (1 * 4 + 2 + 1) & 0xFF);
}

TEST(Checksum, CablePtcFailsOnAnUnknownGroupAndKeepsLaterRecords) {
  TDataObject data = WithRecords(kPtcSettings, {PtcRecord(0, 1, 'B'), PtcRecord(0, 1, 'X'), PtcRecord(0, 1, 'B')});
  EXPECT_FALSE(data.UpdateChecksums());
  EXPECT_EQ(data.Records[0][11], 1 / 4 + 32);        // regenerated before the failure
  EXPECT_EQ(data.Records[1], PtcRecord(0, 1, 'X'));  // unchanged from the failing one on
  EXPECT_EQ(data.Records[2], PtcRecord(0, 1, 'B'));
}

TEST(Checksum, SpecialRulesNeedTheirOffsetAndNeverReachBeyondTheRecord) {
  TDataObject wrongOffset = WithRecords("[F]\nITEM = A, 10, 1, , , 1\nITEM = P, 2, 1, !CRCPTCCABLE, , 2\n",
                                        {TDataByteArray(12, 0)});
  EXPECT_FALSE(wrongOffset.UpdateChecksums());

  TDataObject shortPtc = WithRecords("[F]\nITEM = A, 11, 1, , , 1\nITEM = P, 0, 1, !CRCPTCCABLE, , 2\n",
                                     {PtcRecord(0, 1, 'B')});
  shortPtc.Records[0].resize(11);
  EXPECT_FALSE(shortPtc.UpdateChecksums());

  TDataObject shortFineTune = WithRecords("[F]\nITEM = A, 24, 1, , , 1\nITEM = T, 0, 1, !CRCFINETUNE, , 2\n",
                                          {TDataByteArray(24, 1)});
  EXPECT_FALSE(shortFineTune.UpdateChecksums());

  TDataObject endSum = WithRecords("[F]\nITEM = A, 3, 1, , , 1\nITEM = C, 0, 1, ^, , 2\n", {Bytes({1, 2, 3})});
  EXPECT_FALSE(endSum.UpdateChecksums());
  EXPECT_EQ(endSum.Records[0], Bytes({1, 2, 3}));
}

TEST(Checksum, FineTuneAddsFourBytes) {
  TDataByteArray record(25, 0);
  record[4] = 0x80;
  record[12] = 0x80;
  record[16] = 3;
  record[22] = 4;
  record[8] = 99;  // not part of the rule
  TDataObject data = WithRecords("[F]\nITEM = A, 24, 1, , , 1\nITEM = T, 1, 1, !CRCFINETUNE, , 2\n", {record});
  ASSERT_TRUE(data.UpdateChecksums());
  EXPECT_EQ(data.Records[0][24], 7);
}

TEST(Checksum, GeneratedPtcCableTablePassesItsOwnCheck) {
  const std::string table = GeneratePtcCableTable();
  ASSERT_EQ(table.size(), 9216u);
  EXPECT_EQ(table.substr(0, 12), std::string("\0\0\0\0\0\0\0\x42\0\0\0\x20", 12));
  EXPECT_EQ(table.substr(9204), std::string("\0\0\0\0\0\x80\xFF\x44\xFF\x02\0\xFB", 12));

  std::vector<TDataByteArray> records;
  for (size_t i = 0; i < table.size(); i += 12) records.emplace_back(table.begin() + i, table.begin() + i + 12);
  TDataObject data = WithRecords(kPtcSettings, records);
  ASSERT_TRUE(data.UpdateChecksums());
  EXPECT_EQ(data.Records, records);
}

}  // namespace
}  // namespace tarno
