#include <gtest/gtest.h>

#include <functional>

#include "graphic_window.h"

using namespace vx;

namespace {

// Ends the refresh process that the first window started, so that a test can
// drive the passes itself with chosen clock times.
void stoprefreshprocess() {
  AutoUpdateStarted = false;
  ASSERT_TRUE(vxtest::pumpuntil([] { return autoupdateprocesses() == 0; }));
}

bool marked(uint8_t w) { return useHeadlessHost().viewstate(*WindowTable[w].View).needsDisplay; }

void unmarkall() { useHeadlessHost().displaypendingviews(); }

}  // namespace

// A pass serves a window whose interval (1000 / rate ms: 33 at the first rate,
// 100 at rate 10, none at rate 0) is over, and starts its next interval then.
TEST(Refresh, ServesADueWindowOncePerInterval) {
  vxtest::opengraphicwindow(0, 8, 32, 32);
  stoprefreshprocess();
  t_Window& w = WindowTable[0];
  w.AutoUpdate = true;
  w.UpdateStarted = 1000;
  const int64_t rate = w.RefreshRate;
  const struct { int64_t rate, now; bool served; int64_t started; } passes[] = {
      {rate, 1032, false, 1000}, {rate, 1033, true, 1033}, {10, 1132, false, 1033},
      {10, 1133, true, 1133},    {0, 1133, true, 1133},    {0, 1133, true, 1133}};
  for (const auto& p : passes) {
    w.RefreshRate = p.rate;
    const bool served = autoupdatepass(p.now);
    EXPECT_EQ(std::tuple(served, w.UpdateStarted), std::tuple(p.served, p.started)) << p.now;
    // Up to the first pass that serves, the view is not marked for drawing; then it is.
    if (p.now <= 1033) {
      EXPECT_EQ(marked(0), p.served) << p.now;
    }
  }
}

TEST(Refresh, RedrawsAViewOnlyWhenItsPictureChanged) {
  vxtest::opengraphicwindow(0, 24, 64, 32);
  stoprefreshprocess();
  t_Window& w = WindowTable[0];
  w.AutoUpdate = true;
  w.RefreshRate = 10;  // every 100 ms
  // Each step changes the picture (or not) and makes a pass 100 ms after the last.
  const struct {
    const char* what;
    std::function<void()> change;
    bool marked;
  } steps[] = {
      {"first pass", [] {}, true},
      {"nothing changed", [] {}, false},
      {"one byte written directly", [] { vxtest::picture(0)[64 * 3 * 31 + 5] ^= 1; }, true},
      {"the same picture again", [] {}, false},
      {"the last byte", [] { vxtest::picture(0)[64 * 3 * 32 - 1] = 7; }, true},
      {"hidden and changed", [] { t_WindowVisible(0, false); vxtest::picture(0)[0] = 9; }, false},
      {"shown again", [] { t_WindowVisible(0, true); }, true},
  };
  int64_t now = 100000;
  for (const auto& step : steps) {
    unmarkall();
    step.change();
    now += 100;
    EXPECT_TRUE(autoupdatepass(now)) << step.what;  // served, changed or not
    EXPECT_EQ(w.UpdateStarted, now) << step.what;
    EXPECT_EQ(marked(0), step.marked) << step.what;
  }
}

TEST(Refresh, SkipsWindowsThatAreBusyOffOrWithoutAView) {
  vxtest::opengraphicwindow(0, 8, 32, 32);
  vxtest::opengraphicwindow(3, 8, 32, 32);
  stoprefreshprocess();
  WindowTable[0].AutoUpdate = false;  // not asked for
  WindowTable[3].AutoUpdate = true;
  WindowTable[3].VerticalBlank = false;  // being drawn
  EXPECT_FALSE(autoupdatepass(100000));
  WindowTable[3].VerticalBlank = true;
  appdelegate.setslotview(3, std::nullopt);
  vxtest::LogCapture capture;
  EXPECT_FALSE(autoupdatepass(100000));
  EXPECT_EQ(capture.take(), "t_WindowAutoUpdateProcess: Window #3 view is nil, resource undefined.\n");
  EXPECT_EQ(WindowTable[3].UpdateStarted, 0);
}

TEST(Refresh, ProcessRedrawsAutoUpdateWindowsUntilStopped) {
  HeadlessHost& h = useHeadlessHost();
  t_InitMemory();
  vxtest::LogCapture capture;
  t_InitWindow(0, 24, true, 64, 32, 0, 0, t_Font{}, true);
  // The process's first line always comes right after the window's first.
  EXPECT_EQ(capture.take().rfind("t_InitWindow: GraphicWindow #0 Start.\nt_WindowAutoUpdateProcess: Start.\n", 0), 0u);
  t_WindowVisible(0, true);
  const HostView view = *WindowTable[0].View;
  ASSERT_TRUE(vxtest::pumpuntil([&] { return h.viewstate(view).image.has_value(); }));
  EXPECT_EQ(h.viewstate(view).image->width, 64);
  EXPECT_GT(WindowTable[0].UpdateStarted, 0);
  AutoUpdateStarted = false;
  ASSERT_TRUE(vxtest::pumpuntil([] { return autoupdateprocesses() == 0; }));
  EXPECT_NE(capture.take().find("t_WindowAutoUpdateProcess: End.\n"), std::string::npos);
  // A stopped process is started again by the next window.
  t_InitWindow(1, 8, true, 32, 32, 0, 0, t_Font{}, true);
  EXPECT_EQ(autoupdateprocesses(), 1);
  t_InitWindow(2, 8, true, 32, 32, 0, 0, t_Font{}, true);
  EXPECT_EQ(autoupdateprocesses(), 1);
}
