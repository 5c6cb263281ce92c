#include <gtest/gtest.h>

#include <atomic>
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

TEST(Refresh, ServesADueWindowOncePerInterval) {
  vxtest::opengraphicwindow(0, 8, 32, 32);
  stoprefreshprocess();
  t_Window& w = WindowTable[0];
  w.AutoUpdate = true;
  w.UpdateStarted = 1000;
  EXPECT_FALSE(autoupdatepass(1032));  // 1000 / 30 = 33 ms not yet over
  EXPECT_FALSE(marked(0));
  EXPECT_TRUE(autoupdatepass(1033));
  EXPECT_TRUE(marked(0));
  EXPECT_EQ(w.UpdateStarted, 1033);
  unmarkall();
  w.RefreshRate = 10;
  EXPECT_FALSE(autoupdatepass(1132));
  EXPECT_TRUE(autoupdatepass(1133));
  // Rate 0: an interval of 0, served on every pass.
  w.RefreshRate = 0;
  EXPECT_TRUE(autoupdatepass(1133));
  EXPECT_TRUE(autoupdatepass(1133));
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
