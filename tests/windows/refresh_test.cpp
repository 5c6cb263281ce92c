#include <gtest/gtest.h>

#include <atomic>

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
  vxtest::LogCapture capture;
  t_InitWindow(0, 24, true, 64, 32, 0, 0, t_Font{}, true);
  t_WindowVisible(0, true);
  const HostView view = *WindowTable[0].View;
  ASSERT_TRUE(vxtest::pumpuntil([&] { return h.viewstate(view).image.has_value(); }));
  EXPECT_EQ(h.viewstate(view).image->width, 64);
  EXPECT_GT(WindowTable[0].UpdateStarted, 0);
  AutoUpdateStarted = false;
  ASSERT_TRUE(vxtest::pumpuntil([] { return autoupdateprocesses() == 0; }));
  const std::string log = capture.take();
  EXPECT_NE(log.find("t_WindowAutoUpdateProcess: Start.\n"), std::string::npos);
  EXPECT_NE(log.find("t_WindowAutoUpdateProcess: End.\n"), std::string::npos);
  // Only one process was started although two windows were made.
  t_InitWindow(1, 8, true, 32, 32, 0, 0, t_Font{}, true);
  EXPECT_EQ(log.find("t_WindowAutoUpdateProcess: Start."), log.rfind("t_WindowAutoUpdateProcess: Start."));
}
