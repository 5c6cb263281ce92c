#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command.h"

namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result vxtool(std::vector<std::string> arguments) {
  std::ostringstream out, err;
  const int status = vxtool::runvxtool(arguments, out, err);
  return {status, out.str(), err.str()};
}

TEST(Vxtool, HelpDescribesTheCommandsAndTheirOptions) {
  const Result general = vxtool({"--help"});
  EXPECT_EQ(general.status, 0);
  EXPECT_NE(general.out.find("star"), std::string::npos);
  const Result star = vxtool({"star", "--help"});
  EXPECT_EQ(star.status, 0);
  EXPECT_NE(star.out.find("usage: vxtool star --size D --segments N [--impl IMPL] [--out FILE]"), std::string::npos);
}

// Each of these arguments is refused with status 2, a message and no output.
TEST(Vxtool, RefusesArgumentsThatDoNotFit) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "usage: vxtool COMMAND"},
      {{"draw"}, "unknown command 'draw'"},
      {{"star", "--segments", "3"}, "option '--size' is required"},
      {{"star", "--size", "31", "--segments", "3"}, "--size must be from 32 to 8192, not 31"},
      {{"star", "--size", "8193", "--segments", "3"}, "--size must be from 32 to 8192, not 8193"},
      {{"star", "--size", "64", "--segments", "0"}, "--segments must be from 1 to 360, not 0"},
      {{"star", "--size", "64", "--segments", "361"}, "--segments must be from 1 to 360, not 361"},
      {{"star", "--size", "64x", "--segments", "3"}, "--size must be a whole number, not '64x'"},
      {{"star", "--size", "64", "--segments"}, "option '--segments' needs a value (N)"},
      {{"star", "--size", "64", "--size", "65", "--segments", "3"}, "option '--size' given twice"},
      {{"star", "--size", "64", "--segments", "3", "--colour", "red"}, "unknown option '--colour'"},
      {{"star", "--size", "64", "--segments", "3", "extra"}, "unexpected argument 'extra'"},
      {{"star", "--size", "64", "--segments", "3", "--impl", "quick"}, "--impl must be fast or reference"},
      {{"star", "--size", "64", "--segments", "3", "--out", "star.png"}, "--out must name a .pbm or .gr file"},
  };
  for (const auto& [arguments, message] : cases) {
    const Result run = vxtool(arguments);
    EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << testing::PrintToString(arguments);
  }
}

std::vector<char> filebytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A 64-pixel star with one segment fills the lower half of the disc: in the
// PBM (1 = black) the row below the centre is black from the centre to the
// rim, and the top row is white.
TEST(Vxtool, StarWritesTheTimeAndThePicture) {
  const auto folder = std::filesystem::path(testing::TempDir()) / "vxtool-star";
  std::filesystem::create_directories(folder);
  const Result run = vxtool({"star", "--size=64", "--segments=1", "--impl=reference", "--out", (folder / "s.pbm").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find(" ms"), std::string::npos);
  const std::vector<char> pbm = filebytes(folder / "s.pbm");
  const std::string header = "P4\n64 64\n";
  ASSERT_EQ(pbm.size(), header.size() + 64 / 8 * 64);
  EXPECT_EQ(std::string(pbm.begin(), pbm.begin() + static_cast<long>(header.size())), header);
  const auto byte = [&](int x, int y) { return static_cast<uint8_t>(pbm[header.size() + static_cast<size_t>(y * 8 + x / 8)]); };
  EXPECT_EQ(byte(0, 0), 0x00);
  EXPECT_EQ(byte(40, 33), 0xFF);
  EXPECT_EQ(byte(8, 20), 0x00);  // above the centre, left: an empty half

  ASSERT_EQ(vxtool({"star", "--size", "64", "--segments", "1", "--out", (folder / "s.gr").string()}).status, 0);
  const std::vector<char> gr = filebytes(folder / "s.gr");
  ASSERT_GE(gr.size(), 16u);
  EXPECT_EQ(std::string(gr.begin(), gr.begin() + 5), "\x10vxgr");
}

}  // namespace
