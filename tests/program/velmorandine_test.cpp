// The star program's answers to what a user may type, on the headless host.
#include <gtest/gtest.h>

#include "program/velmorandine.h"
#include "runtime/memory.h"
#include "star_session.h"
#include "support/test_support.h"

using namespace vx;

namespace {

// Runs the program with the given answers, each typed once the prompt before
// it is on screen; answers the screen text and the log at the end.
struct Outcome {
  int code = -1;
  std::string screen;
  std::string log;
};

Outcome session(const std::vector<std::string>& answers) {
  Outcome out;
  out.code = runHeadless(velmorandine, [&](HeadlessSession& s) {
    size_t prompts = 0;
    for (const std::string& answer : answers) {
      ++prompts;
      ASSERT_TRUE(s.waituntil([&] { return vxtest::textscreencount("ein:") >= prompts; }))
          << "prompt " << prompts << " never came";
      s.type(answer + "\n");
    }
    EXPECT_TRUE(s.waitforend());
    out.screen = vxtest::textscreenafterend();
    out.log = s.log();
  }, vxtest::sessionoptions());
  return out;
}

}  // namespace

// A size outside the range ends the program; the field takes digits only, so
// letters leave it empty, which reads as 0. Each runs the program once (ctest
// gives every test its own process).
class RefusedSize : public ::testing::TestWithParam<std::string> {};

TEST_P(RefusedSize, EndsTheProgram) {
  const Outcome out = session({GetParam()});
  EXPECT_EQ(out.code, 0);
  EXPECT_NE(out.screen.find("Das Programm wird jetzt beendet."), std::string::npos) << out.screen;
  EXPECT_NE(out.screen.find("(Programm Ende)"), std::string::npos);
  EXPECT_EQ(vxtest::occurrences(out.screen, "(1-360)"), 0u);
  EXPECT_FALSE(WindowTable[1].Initialized);
}
INSTANTIATE_TEST_SUITE_P(Velmorandine, RefusedSize, ::testing::Values("31", "8193", "abc"));

TEST(Velmorandine, ANegativeCountAsksAgainAndTooManySegmentsDrawNothing) {
  const Outcome out = session({"64", "-5", "400", "0"});
  EXPECT_EQ(out.code, 0);
  // -5 asked again without drawing; 400 cleared the graphic and printed a time.
  EXPECT_EQ(vxtest::occurrences(out.screen, "(1-360) ein:"), 3u) << out.screen;
  EXPECT_EQ(vxtest::occurrences(out.screen, " ms."), 1u);
  EXPECT_NE(out.log.find("g_DrawVelmorandine: Illegal segment count.\n"), std::string::npos);
  EXPECT_TRUE(WindowTable[1].Initialized);
  for (int64_t y = 0; y < 64; y += 9)
    for (int64_t x = 0; x < 64; x += 9) ASSERT_EQ(g_Scrn(1, x, y), 15) << x << "," << y;
}
