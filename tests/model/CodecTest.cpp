#include <sys/stat.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Errors.h"
#include "ModelTestSupport.h"

namespace tarno {
namespace {

std::string Bytes(size_t count, char fill = '\x11') { return std::string(count, fill); }

TDataObject ListDat() { return test::ObjectFor(test::kListDatSettings, "LIST.DAT"); }

TEST(Codec, HeaderAndWholeRecordsLoad) {
  TDataObject data = ListDat();
  std::istringstream file(std::string("\x01\x02\x03\x04", 4) + Bytes(26 * 3));
  ASSERT_TRUE(data.LoadFromStream(file));
  EXPECT_EQ(data.Header, 0x04030201u);  // the file's word replaces the settings value
  EXPECT_EQ(data.Records.size(), 3u);
  EXPECT_EQ(data.Records[2].size(), 26u);
}

TEST(Codec, SizeMismatchRaisesAndRestoresTheStreamPosition) {
  const std::string tooLong = std::string("\x81\0\0\0", 4) + Bytes(26 * 3 + 1);
  for (const std::string& content : {tooLong, std::string("\x81\0\0", 3), std::string()}) {
    TDataObject data = ListDat();
    std::istringstream file("xy" + content);
    file.seekg(2);
    try {
      data.LoadFromStream(file);
      FAIL() << "no error for " << content.size() << " bytes";
    } catch (const AssertionError& error) {
      EXPECT_STREQ(error.what(),
                   "LoadFromStream failed (probably size mismatch) (TarnoChannelEditUnit002, line 635)");
    }
    EXPECT_EQ(file.tellg(), 2);
    EXPECT_TRUE(data.Records.empty());
  }
}

TEST(Codec, EmptyFilesLoadWithoutRecords) {
  TDataObject withHeader = ListDat();
  std::istringstream headerOnly(std::string("\x05\0\0\0", 4));
  ASSERT_TRUE(withHeader.LoadFromStream(headerOnly));
  EXPECT_TRUE(withHeader.Records.empty());
  EXPECT_EQ(withHeader.Header, 5u);

  TDataObject noHeader = test::ObjectFor("[F]\nITEM = A, 3, 1, , , 1\n", "F");
  std::istringstream empty("");
  ASSERT_TRUE(noHeader.LoadFromStream(empty));
  EXPECT_TRUE(noHeader.Records.empty());
}

TEST(Codec, NoLayoutReadsNothing) {
  TDataObject data = test::ObjectFor("", "F");
  std::istringstream file("abc");
  EXPECT_FALSE(data.LoadFromStream(file));
  EXPECT_EQ(file.tellg(), 0);
}

TEST(Codec, ZeroSizedRecordsAreAMismatchNotADivisionByZero) {
  TDataObject data = test::ObjectFor("[F]\nITEM = A, 0, 1, , , 1\n", "F");
  std::istringstream file("abc");
  EXPECT_THROW(data.LoadFromStream(file), AssertionError);
}

TEST(Codec, LoadThenSaveIsByteIdentical) {
  test::TempDir dir;
  std::string content = std::string("\x9A\x00\x00\x00", 4);
  for (int i = 0; i < 26 * 5; ++i) content += static_cast<char>(i * 7);
  test::WriteFile(dir.File("LIST.DAT"), content);
  TDataObject data = ListDat();
  ASSERT_TRUE(data.LoadFromFile(dir.File("LIST.DAT")));
  ASSERT_TRUE(data.SaveToFile(dir.File("copy.dat"), false));
  EXPECT_EQ(test::ReadFile(dir.File("copy.dat")), content);
}

TEST(Codec, FailingChecksumRuleLeavesTheFileUntouched) {
  test::TempDir dir;
  TDataObject data = test::ObjectFor("[F]\nITEM = A, 12, 1, , , 1\nITEM = P, 1, 1, !CRCPTCCABLE, , 2\n", "F");
  data.Records.assign(1, TDataByteArray(13, 0));  // check not at offset 11
  test::WriteFile(dir.File("F"), "old");
  EXPECT_FALSE(data.SaveToFile(dir.File("F"), true));
  EXPECT_EQ(test::ReadFile(dir.File("F")), "old");
  std::ostringstream stream;
  EXPECT_FALSE(data.SaveToStream(stream, true));
  EXPECT_TRUE(stream.str().empty());
}

TEST(Codec, MissingFileIsAFileError) {
  TDataObject data = ListDat();
  EXPECT_THROW(data.LoadFromFile("/nonexistent/LIST.DAT"), FileError);
  EXPECT_THROW(data.SaveToFile("/nonexistent/folder/LIST.DAT", false), FileError);
}

// Opening a pipe for reading waits for a writer: the window would freeze.
TEST(Codec, APipeOrFolderChosenAsTheDataFileIsRefusedAtOnce) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("LIST.DAT").c_str(), 0666), 0);
  TDataObject data = ListDat();
  try {
    data.LoadFromFile(dir.File("LIST.DAT"));
    ADD_FAILURE() << "a pipe was read";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("no regular file"), std::string::npos) << error.what();
  }
  EXPECT_THROW(data.LoadFromFile(dir.Path().string()), FileError);
  EXPECT_TRUE(data.Records.empty());
}

TEST(Codec, FileNamesAreFoundWithoutRegardToCase) {
  test::TempDir dir;
  test::WriteFile(dir.File("map-CableD"), std::string("\0\0\0\0", 4) + Bytes(26));
  TDataObject data = ListDat();
  ASSERT_TRUE(data.LoadFromFile(dir.File("Map-CableD")));
  EXPECT_EQ(data.Records.size(), 1u);
  ASSERT_TRUE(data.SaveToFile(dir.File("MAP-CABLED"), false));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "MAP-CABLED") &&
               std::filesystem::exists(dir.Path() / "map-CableD") &&
               !std::filesystem::equivalent(dir.Path() / "MAP-CABLED", dir.Path() / "map-CableD"));
}

}  // namespace
}  // namespace tarno
