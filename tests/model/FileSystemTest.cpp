#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "Errors.h"
#include "FileSystem.h"
#include "TestFiles.h"

namespace tarno {
namespace {

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporary) {
  test::TempDir dir;
  test::WriteFile(dir.File("target"), "old content");
  WriteFileAtomically(dir.File("target"), "new");
  EXPECT_EQ(test::ReadFile(dir.File("target")), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicWrite, AFailedWriteKeepsTheOldFileWhole) {
  test::TempDir dir;
  const std::string old(1000, 'o');
  test::WriteFile(dir.File("target"), old);
  // A file size limit makes the write fail part-way, as a full disk would.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &limited);
  EXPECT_THROW(WriteFileAtomically(dir.File("target"), std::string(100000, 'n')), FileError);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(test::ReadFile(dir.File("target")), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicWrite, KeepsThePermissionsOfTheReplacedFile) {
  test::TempDir dir;
  test::WriteFile(dir.File("target"), "x");
  std::filesystem::permissions(dir.File("target"), std::filesystem::perms(0640));
  WriteFileAtomically(dir.File("target"), "y");
  EXPECT_EQ(std::filesystem::status(dir.File("target")).permissions(), std::filesystem::perms(0640));
}

TEST(ResolveFileName, FindsAnotherSpellingOnlyWhenTheExactNameIsMissing) {
  test::TempDir dir;
  test::WriteFile(dir.File("map-CableD"), "a");
  EXPECT_EQ(ResolveFileName(dir.File("Map-CableD")), dir.File("map-CableD"));
  EXPECT_EQ(ResolveFileName(dir.File("map-CableD")), dir.File("map-CableD"));
  EXPECT_EQ(ResolveFileName(dir.File("Map-AirA")), dir.File("Map-AirA"));
  test::WriteFile(dir.File("Map-CableD"), "b");
  EXPECT_EQ(ResolveFileName(dir.File("Map-CableD")), dir.File("Map-CableD"));
}

TEST(ReadWholeFile, MissingFilesAndFoldersAreFileErrors) {
  test::TempDir dir;
  EXPECT_THROW(ReadWholeFile(dir.File("missing")), FileError);
  EXPECT_THROW(ReadWholeFile(dir.Path().string()), FileError);
}

}  // namespace
}  // namespace tarno
