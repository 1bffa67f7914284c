#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <csignal>
#include <ctime>
#include <functional>
#include <set>

#include "Errors.h"
#include "FileSystem.h"
#include "TemporaryFiles.h"
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

std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& error) {
    return error.what();
  }
  return "";
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Tests run as root too, which may write anything: the mode bits decide.
TEST(AtomicWrite, AWriteProtectedFileIsAnErrorAndStaysAsItWas) {
  test::TempDir dir;
  test::WriteFile(dir.File("target"), "old");
  std::filesystem::permissions(dir.File("target"), std::filesystem::perms(0444));
  const std::string message = MessageOf([&] { WriteFileAtomically(dir.File("target"), "new"); });
  EXPECT_TRUE(EndsWith(message, "is write-protected")) << message;
  EXPECT_EQ(test::ReadFile(dir.File("target")), "old");
  EXPECT_EQ(std::filesystem::status(dir.File("target")).permissions(), std::filesystem::perms(0444));
  EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"target"});
}

TEST(AtomicWrite, ALinkWritesTheFileItLeadsToAndStaysALink) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.Path() / "real");
  test::WriteFile(dir.File("real/target"), "old");
  std::filesystem::create_symlink("real/target", dir.Path() / "link");
  std::filesystem::create_symlink("link", dir.Path() / "link-to-link");
  WriteFileAtomically(dir.File("link-to-link"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link-to-link"));
  EXPECT_EQ(test::ReadFile(dir.File("real/target")), "new");
  // A link to a file not there yet makes that file.
  std::filesystem::create_symlink("real/later", dir.Path() / "dangling");
  WriteFileAtomically(dir.File("dangling"), "made");
  EXPECT_EQ(test::ReadFile(dir.File("real/later")), "made");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "dangling"));
  // A write-protected file behind a link is refused like the file itself.
  std::filesystem::permissions(dir.File("real/target"), std::filesystem::perms(0444));
  EXPECT_TRUE(EndsWith(MessageOf([&] { WriteFileAtomically(dir.File("link-to-link"), "x"); }), "is write-protected"));
  std::filesystem::permissions(dir.File("real/target"), std::filesystem::perms(0644));
  // Written without following, the link itself is replaced and its file untouched.
  AtomicWriteOptions inPlace;
  inPlace.followLinks = false;
  WriteFileAtomically(dir.File("link"), "own", inPlace);
  EXPECT_FALSE(std::filesystem::is_symlink(dir.Path() / "link"));
  EXPECT_EQ(test::ReadFile(dir.File("link")), "own");
  EXPECT_EQ(test::ReadFile(dir.File("real/target")), "new");
  // A loop of links never ends in a file.
  std::filesystem::create_symlink("loop-b", dir.Path() / "loop-a");
  std::filesystem::create_symlink("loop-a", dir.Path() / "loop-b");
  EXPECT_THROW(WriteFileAtomically(dir.File("loop-a"), "x"), FileError);
}

TEST(AtomicWrite, DevicesPipesAndFoldersAreRefusedUntouched) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0666), 0);
  std::filesystem::create_directory(dir.Path() / "folder");
  std::filesystem::create_symlink("/dev/null", dir.Path() / "null");
  for (const char* name : {"pipe", "folder", "null"}) {
    const std::string message = MessageOf([&] { WriteFileAtomically(dir.File(name), "x"); });
    EXPECT_NE(message.find("no regular file"), std::string::npos) << name << ": " << message;
  }
  EXPECT_EQ(std::filesystem::status(dir.File("pipe")).type(), std::filesystem::file_type::fifo);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "folder"));
  EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"pipe", "folder", "null"}));
}

TEST(AtomicWrite, ANameOfAnyAllowedLengthWorks) {
  test::TempDir dir;
  const std::string name(250, 'n');
  WriteFileAtomically(dir.File(name), "long");
  EXPECT_EQ(test::ReadFile(dir.File(name)), "long");
  WriteFileAtomically(dir.File(name), "again");
  EXPECT_EQ(Names(dir.Path()), std::set<std::string>{name});
}

TEST(AtomicWrite, TakesTheTimeAskedFor) {
  test::TempDir dir;
  AtomicWriteOptions options;
  options.syncToDisk = false;
  options.modificationTime = 1'000'000'000;
  WriteFileAtomically(dir.File("target"), "x", options);
  struct stat info {};
  ASSERT_EQ(::stat(dir.File("target").c_str(), &info), 0);
  EXPECT_EQ(info.st_mtime, 1'000'000'000);
}

// A process id that no process has: a child's, once it has ended.
long EndedProcessId() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

std::string TemporaryOf(const std::string& name, long pid) {
  return "." + name + ".tarno-tmp-" + std::to_string(pid) + "-AbC123";
}

TEST(AtomicWrite, LeftoversOfKilledWritesGoWithTheNextWriteInTheFolder) {
  test::TempDir dir;
  test::WriteFile(dir.File("target"), std::string(1000, 'o'));
  // A save killed in the middle of writing, by its file size limit.
  const pid_t child = ::fork();
  if (child == 0) {
    const rlimit limited{4096, 4096}, noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    std::signal(SIGXFSZ, SIG_DFL);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    WriteFileAtomically(dir.File("target"), std::string(100000, 'n'));
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  std::set<std::string> left = Names(dir.Path());
  left.erase("target");
  ASSERT_EQ(left.size(), 1u);
  long owner = 0;
  EXPECT_TRUE(IsTemporaryFileName(*left.begin(), &owner));
  EXPECT_EQ(owner, child);
  EXPECT_EQ(test::ReadFile(dir.File("target")), std::string(1000, 'o'));

  // Another ended process's leftover, a live process's temporary, a
  // temporary-looking name that is none, and a stale one of a reused process id.
  const std::string ended = TemporaryOf("other", EndedProcessId());
  const std::string live = TemporaryOf("target", ::getppid());
  const std::string lookalike = ".target.tarno-tmp-12x-AbC123";
  const std::string old = TemporaryOf("old", ::getppid());
  for (const std::string& name : {ended, live, lookalike, old}) test::WriteFile(dir.File(name), "t");
  const timespec longAgo[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3 * 24 * 3600, 0}};
  ::utimensat(AT_FDCWD, dir.File(old).c_str(), longAgo, 0);

  WriteFileAtomically(dir.File("target"), "new");
  EXPECT_EQ(test::ReadFile(dir.File("target")), "new");
  EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"target", live, lookalike}));
}

TEST(ReadWholeFile, PipesDevicesAndOversizedFilesAreRefused) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0666), 0);
  EXPECT_THROW(ReadWholeFile(dir.File("pipe")), FileError);  // would wait for a writer
  EXPECT_THROW(ReadWholeFile("/dev/zero"), FileError);       // would never end
  test::WriteFile(dir.File("file"), "0123456789");
  EXPECT_EQ(ReadWholeFile(dir.File("file"), 10), "0123456789");
  EXPECT_THROW(ReadWholeFile(dir.File("file"), 9), FileError);
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
