// The file functions on the Variant types that scripts cannot produce
// themselves (a single-precision value) and the open modes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <pscript/value.h>

#include "HostFiles.h"
#include "ScriptTestSupport.h"
#include "StreamClasses.h"

namespace tarno {
namespace {

using pscript::Value;

TEST(OpenMode, AccessAndSharingBits) {
  EXPECT_TRUE(DecodeOpenMode(0).valid);
  EXPECT_TRUE(DecodeOpenMode(2).valid);
  EXPECT_FALSE(DecodeOpenMode(3).valid);
  EXPECT_TRUE(DecodeOpenMode(0x40 | 2).valid);
  EXPECT_FALSE(DecodeOpenMode(0x50).valid);
  EXPECT_FALSE(DecodeOpenMode(0xF0).valid);
  EXPECT_EQ(DecodeOpenMode(0x21).access, 1);
  EXPECT_EQ(DecodeOpenMode(0x21).sharing, 2);
}

class HostFilesTest : public ::testing::Test {
 protected:
  int32_t OpenWith(const std::string& bytes) {
    const std::string path = folder_.File("data.bin");
    test::WriteText(path, bytes);
    return files_.Open(path, 2);
  }
  test::TempFolder folder_;
  HostFiles files_;
};

TEST_F(HostFilesTest, ASingleIsReadAsFourBytesAndBecomesADouble) {
  float stored = 1.5f;
  std::string bytes(sizeof stored, '\0');
  std::memcpy(bytes.data(), &stored, sizeof stored);
  const int32_t handle = OpenWith(bytes + "tail");
  Value buffer = Value::real(0, pscript::varSingle);
  EXPECT_EQ(files_.ReadInto(handle, buffer, 100), 4);
  EXPECT_EQ(buffer.type(), pscript::varDouble);
  EXPECT_EQ(buffer.rawReal(), 1.5);
}

TEST_F(HostFilesTest, ADoubleIsReadAndWrittenAsEightBytes) {
  const int32_t handle = OpenWith("");
  EXPECT_EQ(files_.WriteFrom(handle, Value::real(-2.25), 100), 8);
  EXPECT_EQ(files_.WriteFrom(handle, Value::real(3.0, pscript::varSingle), 100), 4);
  EXPECT_EQ(files_.Seek(handle, 0, 0), 0);
  Value buffer = Value::real(0);
  EXPECT_EQ(files_.ReadInto(handle, buffer, 8), 8);
  EXPECT_EQ(buffer.rawReal(), -2.25);
  buffer = Value::real(0, pscript::varSingle);
  EXPECT_EQ(files_.ReadInto(handle, buffer, 4), 4);
  EXPECT_EQ(buffer.rawReal(), 3.0);
}

TEST_F(HostFilesTest, AStringStopsAtTheFirstZeroByteButCountsAllBytesRead) {
  const int32_t handle = OpenWith(std::string("ab\0cd", 5));
  Value buffer = Value::wideString(u"");
  EXPECT_EQ(files_.ReadInto(handle, buffer, 5), 5);
  EXPECT_TRUE(buffer.isString());
  EXPECT_EQ(buffer.toString(), "ab");
}

TEST_F(HostFilesTest, NullAndOtherTypesMoveNothing) {
  const int32_t handle = OpenWith("abcd");
  Value null = Value::null();
  EXPECT_EQ(files_.ReadInto(handle, null, 4), 0);
  Value flag = Value::boolean(true);
  EXPECT_EQ(files_.ReadInto(handle, flag, 4), 0);
  EXPECT_EQ(files_.WriteFrom(handle, Value::integer(1, pscript::varSmallInt), 2), 0);
  EXPECT_EQ(files_.Seek(handle, 0, 1), 0);  // the position did not move
}

TEST_F(HostFilesTest, SeekFromEachOriginAndBadOnes) {
  const int32_t handle = OpenWith("0123456789");
  EXPECT_EQ(files_.Seek(handle, 4, 0), 4);
  EXPECT_EQ(files_.Seek(handle, 2, 1), 6);
  EXPECT_EQ(files_.Seek(handle, -1, 2), 9);
  EXPECT_EQ(files_.Seek(handle, 0, 3), -1);
  EXPECT_EQ(files_.Seek(handle, -20, 0), -1);
  files_.Close(handle);
  EXPECT_EQ(files_.Seek(handle, 0, 0), -1);
  EXPECT_EQ(files_.OpenCount(), 0u);
}

TEST_F(HostFilesTest, CreateEmptiesAnExistingFileAndFoldersCannotBeOpened) {
  const std::string path = folder_.File("old.txt");
  test::WriteText(path, "old content");
  const int32_t handle = files_.Create(path);
  ASSERT_GE(handle, 0);
  files_.Close(handle);
  EXPECT_EQ(test::ReadText(path), "");
  EXPECT_EQ(files_.Open(folder_.Path().string(), 0), -1);
  EXPECT_EQ(files_.Open(folder_.File("absent"), 0), -1);
}

// Opening a pipe waits for its writer, and a read waits for data: a script
// must not hang the window that way. Every file function refuses one at once.
TEST_F(HostFilesTest, PipesAreRefusedAtOnceByEveryWayAScriptOpensAFile) {
  const std::string pipe = folder_.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
  for (const int32_t mode : {0, 1, 2}) EXPECT_EQ(files_.Open(pipe, mode), -1) << mode;
  EXPECT_EQ(files_.Create(pipe), -1);
  for (const int32_t mode : {0, 2, 0xFFFF}) {
    FileStreamObject stream;
    EXPECT_THROW(stream.Open(pipe, mode), std::runtime_error) << mode;
  }
  EXPECT_THROW(ReadFileForStream(pipe), std::runtime_error);  // TStringList and TMemoryStream LoadFromFile
  EXPECT_THROW(WriteFileForStream(pipe, "x"), std::runtime_error);  // and their SaveToFile
  EXPECT_THROW(ReadFileForStream(folder_.Path().string()), std::runtime_error);
  EXPECT_EQ(files_.OpenCount(), 0u);
}

TEST_F(HostFilesTest, ADeviceReadsAsEmptyAndAFileIsReplacedAndReadWhole) {
  EXPECT_EQ(ReadFileForStream("/dev/null"), "");
  const std::string path = folder_.File("lines.txt");
  test::WriteText(path, "a much longer text than the next one");
  WriteFileForStream(path, "a\r\nb");
  EXPECT_EQ(ReadFileForStream(path), "a\r\nb");
}

// A terminal that nobody types into: reading it through the script's handle
// or stream fails at once, where it used to wait for a line forever.
TEST_F(HostFilesTest, ATerminalNobodyTypesIntoNeverKeepsTheScriptWaiting) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string terminal = ::ptsname(master);

  const int32_t handle = files_.Open(terminal, 2);
  ASSERT_GE(handle, 0);
  Value buffer = Value::integer(0, pscript::varInteger);
  EXPECT_EQ(files_.ReadInto(handle, buffer, 4), -1);
  files_.Close(handle);

  FileStreamObject stream;
  stream.Open(terminal, 2);
  char byte = 0;
  EXPECT_EQ(stream.ReadBytes(&byte, 1), 0);
  EXPECT_EQ(ReadFileForStream(terminal), "");
  ::close(master);
}

}  // namespace
}  // namespace tarno
