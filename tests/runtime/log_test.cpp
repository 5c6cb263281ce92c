#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "vxtools.h"

using namespace vx;

namespace {

// Runs `logging` in a child process whose VXTOOLS_LOG is `destination` (the
// variable is read once per process, at the first line) and answers what the
// child wrote to standard output and to standard error.
std::pair<std::string, std::string> childoutput(const char* destination, void (*logging)()) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("vx-log-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string out = (folder / "out").string(), err = (folder / "err").string();
  const pid_t child = ::fork();
  if (child == 0) {
    if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr)) std::_Exit(3);
    ::setenv("VXTOOLS_LOG", destination, 1);
    logging();
    std::fflush(nullptr);
    std::_Exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  auto read = [](const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
  };
  return {read(out), read(err)};
}

void twolines() {
  log("t_Example: first");
  log("t_Example: ", "");
  log("second");
}

}  // namespace

TEST(LogDestination, TheEnvironmentChoosesStandardOutputErrorNothingOrAFile) {
  const std::string lines = "t_Example: first\nt_Example: second\n";
  EXPECT_EQ(childoutput("", twolines), std::pair(lines, std::string()));
  EXPECT_EQ(childoutput("stderr", twolines), std::pair(std::string(), lines));
  EXPECT_EQ(childoutput("off", twolines), std::pair(std::string(), std::string()));

  const std::string file = (std::filesystem::temp_directory_path() /
                            ("vx-log-file-" + std::to_string(::getpid()))).string();
  std::ofstream(file) << "kept\n";
  EXPECT_EQ(childoutput(file.c_str(), twolines), std::pair(std::string(), std::string()));
  std::ostringstream appended;
  appended << std::ifstream(file).rdbuf();
  EXPECT_EQ(appended.str(), "kept\n" + lines);  // appended, nothing lost
  std::filesystem::remove(file);

  // A file that cannot be opened is said once; the lines are not lost.
  const auto [out, err] = childoutput("/nonexistent-folder/log", twolines);
  EXPECT_EQ(out, lines);
  EXPECT_NE(err.find("VXTOOLS_LOG: cannot open \"/nonexistent-folder/log\""), std::string::npos) << err;
}

TEST(LogDestination, AProgramsSinkTakesEveryWriteAndAnEmptyOneSilences) {
  const auto routed = childoutput("stderr", [] {
    std::string* kept = new std::string;
    setlogsink([kept](std::string_view piece) { *kept += "[" + std::string(piece) + "]"; });
    twolines();
    setlogsink({});
    log("t_Example: silenced");
    resetlogsink();  // back to the environment's choice
    log("t_Example: third");
    std::fputs(kept->c_str(), stdout);
  });
  EXPECT_EQ(routed, std::pair(std::string("[t_Example: first\n][t_Example: ][second\n]"),
                              std::string("t_Example: third\n")));
}
