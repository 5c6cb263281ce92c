#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "codecs/file_access.h"
#include "sample_data.h"
#include "support/test_support.h"

using namespace vx;
using codectest::Bytes;
namespace fs = std::filesystem;


TEST(FileAccess, WrittenBytesReadBack) {
  const vxtest::TempFolder folder("files");
  codectest::SampleData sample(41);
  const std::string path = folder.file("Bild.gr");
  for (const Bytes& bytes : {sample.random(1), Bytes{}, sample.random(300000)}) {
    EXPECT_EQ(setbinarytofile(path, bytes), 0);
    EXPECT_EQ(getbinaryfromfile(path), bytes);
  }
  // Nothing of the temporary file is left behind.
  EXPECT_EQ(folder.entries(), 1u);
}

TEST(FileAccess, ReplacingKeepsPermissionsAndFollowsLinks) {
  const vxtest::TempFolder folder("files");
  const std::string target = folder.file("target.gr");
  ASSERT_EQ(setbinarytofile(target, {1}), 0);
  ::chmod(target.c_str(), 0640);
  fs::create_symlink(target, folder.file("link.gr"));
  ASSERT_EQ(setbinarytofile(folder.file("link.gr"), {2, 3}), 0);
  EXPECT_TRUE(fs::is_symlink(folder.file("link.gr")));
  EXPECT_EQ(getbinaryfromfile(target), (Bytes{2, 3}));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileAccess, FailuresAreReportedWithTheSystemsErrorNumber) {
  const vxtest::TempFolder folder("files");
  const std::string noent = "Error #2: No such file or directory\n", isdir = "Error #21: Is a directory\n";
  vxtest::LogCapture log;
  EXPECT_TRUE(getbinaryfromfile(folder.file("missing.font")).empty());
  EXPECT_TRUE(getbinaryfromfile(folder.path().string()).empty());
  EXPECT_EQ(log.take(), "getbinaryfromfile: " + noent + "getbinaryfromfile: " + isdir);
  // A device without end and a pipe nobody writes are refused, not read for ever.
  ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
  for (const std::string& path : {std::string("/dev/zero"), folder.file("pipe")}) {
    EXPECT_TRUE(getbinaryfromfile(path).empty());
    EXPECT_EQ(log.take(), "getbinaryfromfile: Error #95: Operation not supported\n") << path;
  }
  const std::pair<std::string, int64_t> writes[] = {
      {folder.file("no/such/folder.gr"), ENOENT}, {folder.path().string(), EISDIR}, {"", ENOENT}};
  for (const auto& [path, error] : writes) {
    EXPECT_EQ(setbinarytofile(path, {1}), error) << path;
    EXPECT_EQ(log.take(), "setbinarytofile: " + (error == ENOENT ? noent : isdir)) << path;
  }
}

TEST(FileAccess, AFailedWriteLeavesTheOldFileWhole) {
  const vxtest::TempFolder folder("files");
  const std::string path = folder.file("old.gr");
  ASSERT_EQ(setbinarytofile(path, {1, 2, 3}), 0);
  // A file size limit makes the write fail part way, as a full disk would,
  // for every user including root.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 1000;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  vxtest::LogCapture log;
  const int64_t error = setbinarytofile(path, Bytes(5000, 7));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(log.take(), "setbinarytofile: Error #27: File too large\n");
  EXPECT_EQ(getbinaryfromfile(path), (Bytes{1, 2, 3}));
  EXPECT_EQ(folder.entries(), 1u);
}

// Root may write any folder, so the check runs in a child process that
// gives up root first (it keeps running as the user it is otherwise).
TEST(FileAccessDeathTest, AFolderWithoutWriteAccessStillLetsItsWritableFilesBeSaved) {
  const vxtest::TempFolder folder("files");
  const std::string path = folder.file("kept.gr");
  ASSERT_EQ(setbinarytofile(path, {1, 2, 3}), 0);
  const auto check = [&] {
    constexpr uid_t nobody = 65534;
    const char* folderpath = folder.path().c_str();
    if (::geteuid() == 0 && (::chown(folderpath, nobody, nobody) != 0 ||
                             ::chown(path.c_str(), nobody, nobody) != 0 || ::setgid(nobody) != 0 ||
                             ::setuid(nobody) != 0))
      std::_Exit(2);
    if (::chmod(path.c_str(), 0666) != 0 || ::chmod(folderpath, 0555) != 0) std::_Exit(3);
    vxtest::LogCapture log;
    const bool saved = setbinarytofile(path, {4, 5}) == 0 && getbinaryfromfile(path) == Bytes{4, 5};
    // A new file cannot be made there at all.
    const bool refused = setbinarytofile(folder.file("new.gr"), {1}) == EACCES &&
                         log.take() == "setbinarytofile: Error #13: Permission denied\n";
    std::_Exit(saved && refused ? 0 : 1);
  };
  EXPECT_EXIT(check(), ::testing::ExitedWithCode(0), "");
}

TEST(FileAccess, DevicesAreWrittenInPlace) {
  struct stat info {};
  if (::stat("/dev/full", &info) != 0 || !S_ISCHR(info.st_mode)) GTEST_SKIP();
  vxtest::LogCapture log;
  EXPECT_EQ(setbinarytofile("/dev/full", {1}), ENOSPC);
  EXPECT_EQ(log.take(), "setbinarytofile: Error #28: No space left on device\n");
  ASSERT_EQ(::stat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
  EXPECT_EQ(setbinarytofile("/dev/null", {1, 2}), 0);
}

TEST(FileAccess, NamesComeFromTheLastComponent) {
  const std::pair<std::string, std::string> names[] = {
      {"/a/b/c.font", "c.font"}, {"c.font", "c.font"}, {"/a/b/", ""}, {"", ""}};
  for (const auto& [path, name] : names) EXPECT_EQ(filenameofpath(path), name) << path;
  const std::pair<std::string, std::string> bases[] = {
      {"/a/b/c.font", "c"}, {"/a/b.d/c", "c"}, {"Bild.alt", "Bild"}, {"/x/archiv.tar.gz", "archiv.tar"},
      {"Ohne Punkt", "Ohne Punkt"}, {"", ""}};
  for (const auto& [path, base] : bases) EXPECT_EQ(basenameofpath(path), base) << path;
}
