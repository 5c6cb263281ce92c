#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <tuple>

#include "graphic_window.h"

using namespace vx;

namespace {

// Window 2: a text window of 40 x 10 cells of 8 x 8 with borders 6 and 4.
void opentextwindow() {
  useHeadlessHost();
  t_InitWindow(2, 8, false, 320, 80, 6, 4, vxtest::testfont(8, 8), true);
}

}  // namespace

TEST(WindowPos, SlotAnswersFromItsRecordOrItsSmallerFrame) {
  HeadlessHost& h = useHeadlessHost();
  opentextwindow();
  WindowTable[2].TextFirstColumn = 3;
  WindowTable[2].TextLastLine = 9;
  const HostWindow hw = *WindowTable[2].Window;
  h.setWindowFrame(hw, {100.7, 200.2, 999, 999}, false);  // the record wins over the frame
  const int64_t ow = 320 + 12, oh = 80 + 8 + titlebarheight;
  const int64_t expected[] = {3, 1, 40, 9, 38, 9, 40, 10, 320, 80, ow, oh - titlebarheight, oh, 100,
                              1200 - 200 - oh, 1920, 1200, titlebarheight, 6, 4, 200, 0};
  for (int64_t code = 0; code <= 21; ++code) EXPECT_EQ(t_WindowPos(2, code), expected[code]) << code;
  EXPECT_EQ(t_WindowPos(2, -1), 0);
  // A frame smaller than the record, as a desktop host gives a window too
  // large for its screen, is what is reported; the picture keeps its size.
  h.setWindowFrame(hw, {0, 10, 300, 70}, false);
  const int64_t codes[] = {PosPictureWidth, PosPictureHeight, PosOuterWidth, PosOuterHeightWithoutTitle,
                           PosOuterHeight, PosTopDistance};
  std::vector<int64_t> answers;
  for (const int64_t code : codes) answers.push_back(t_WindowPos(2, code));
  EXPECT_EQ(answers, (std::vector<int64_t>{320, 80, 300, 70 - titlebarheight, 70, 1200 - 10 - 70}));
}

TEST(WindowPos, SpecialWindowsAndEarlySlotsAnswerFromTheirFrame) {
  HeadlessHost& h = useHeadlessHost();
  const HostWindow printer = *appdelegate.VirtualPrinterWindow;
  h.setWindowFrame(printer, {10, 20, 300.9, 228}, false);
  const int64_t t = titlebarheight;
  const int64_t expected[] = {0, 0, 299, 227, 300, 228, 300, 228, 300, 228 - t, 300, 228 - t, 228, 10,
                              1200 - 20 - 228, 1920, 1200, t, 0, 0, 20};
  for (int64_t code = 0; code <= 20; ++code) EXPECT_EQ(t_WindowPos(9, code), expected[code]) << code;
  // Before the memory exists a slot reads its frame, with no text geometry.
  const HostWindow slot = *t_GetHostWindow(4);
  h.setWindowFrame(slot, {0, 0, 500, 400}, false);
  EXPECT_FALSE(MemoryReady);
  EXPECT_EQ(std::tuple(t_WindowPos(4, 2), t_WindowPos(4, 8), t_WindowPos(4, 9)), std::tuple(0, 500, 400 - t));
}

TEST(WindowSize, KeepsPositionAndSizesFrameAroundTheView) {
  HeadlessHost& h = useHeadlessHost();
  opentextwindow();
  const HostWindow hw = *WindowTable[2].Window;
  h.setWindowFrame(hw, {50, 60, 1, 1}, false);
  t_WindowSize(2, -1, -1, 400, 300);
  EXPECT_EQ(h.windowstate(hw).frame, (Rect{50, 60, 400 + 12, 300 + 8 + static_cast<double>(titlebarheight)}));
  EXPECT_EQ(h.viewstate(*WindowTable[2].View).frame, (Rect{6, 4, 400, 300}));
  EXPECT_EQ(std::tuple(t_WindowPos(2, 8), t_WindowPos(2, 9)), std::tuple(320, 80));  // the picture keeps its size
  vxtest::LogCapture capture;
  t_WindowSize(3, 1, 1, 100, 100);
  EXPECT_EQ(vxtest::withoutrefreshlines(capture.take()), "t_WindowSize: Window #3 not initialized.\n");
}

TEST(WindowSize, TextWindowsSizeTheirTextArea) {
  HeadlessHost& h = useHeadlessHost();
  const HostWindow console = *appdelegate.SystemConsoleWindow;
  const HostView scroll = *appdelegate.SystemConsoleScrollView;
  h.setViewFrame(scroll, {20, 20, 100, 100});
  t_WindowSize(10, 5, 6, 700, 500);
  const double t = static_cast<double>(titlebarheight);
  EXPECT_EQ(h.windowstate(console).frame, (Rect{5, 6, 700, 500 + t}));
  EXPECT_EQ(h.viewstate(scroll).frame, (Rect{20, 20, 660, 423}));
  t_WindowSize(12, 1, 2, 300, 200);
  EXPECT_EQ(h.windowstate(*appdelegate.MainWindow).frame, (Rect{1, 2, 300, 200 + t}));
  // -1 keeps the frame's place and size, and the scroll view's size.
  const HostWindow printer = *appdelegate.VirtualPrinterWindow;
  const HostView printerscroll = *appdelegate.VirtualPrinterScrollView;
  h.setWindowFrame(printer, {10, 10, 620, 460}, false);
  h.setViewFrame(printerscroll, {20, 20, 540, 340});
  t_WindowSize(9, -1, -1, -1, -1);
  EXPECT_EQ(h.windowstate(printer).frame, (Rect{10, 10, 620, 460}));
  EXPECT_EQ(h.viewstate(printerscroll).frame, (Rect{20, 20, 540, 340}));
}

TEST(WindowTitle, SetsAndReadsAlsoFromAnotherThread) {
  HeadlessHost& h = useHeadlessHost();
  opentextwindow();
  t_WindowTitle(2, "Eins");
  EXPECT_EQ(t_WindowTitle(2), "Eins");
  std::atomic<bool> returned{false};
  std::thread other([&] {
    t_WindowTitle(2, "Zwei");
    returned = true;
  });
  // The look-up of the window runs on the main thread; the title follows later.
  EXPECT_TRUE(vxtest::pumpuntil([&] { return returned.load(); }));
  other.join();
  EXPECT_TRUE(vxtest::pumpuntil([&] { return h.windowstate(*WindowTable[2].Window).title == "Zwei"; }));
  t_WindowTitleVisible(2, false);
  EXPECT_EQ(std::tuple(t_WindowPos(2, 17), h.windowstate(*WindowTable[2].Window).titled), std::tuple(0, false));
  t_WindowTitleVisible(2, true);
  EXPECT_EQ(std::tuple(t_WindowPos(2, 17), h.windowstate(*WindowTable[2].Window).titled),
            std::tuple(titlebarheight, true));
}

TEST(WindowVisible, ShowsHidesFrontsAndCentres) {
  HeadlessHost& h = useHeadlessHost();
  opentextwindow();
  const HostWindow hw = *WindowTable[2].Window;
  t_WindowFront(2);
  EXPECT_EQ(std::tuple(WindowTable[2].Visible, t_FrontWindow()), std::tuple(true, 2));
  WindowTable[2].UpdateDuration = 77;
  t_WindowVisible(2, false);
  EXPECT_EQ(std::tuple(h.windowstate(hw).visible, WindowTable[2].Visible, WindowTable[2].UpdateDuration,
                       t_WindowImage(2).has_value()),
            std::tuple(false, false, 0, false));
  t_WindowCenter(2);
  const Rect f = h.windowstate(hw).frame;
  EXPECT_EQ(f.x, std::trunc((1920 - f.width) / 2));
  // The pasteboard window shows what the pasteboard holds.
  h.pasteboardSetString("kopiert");
  t_WindowVisible(8, true);
  EXPECT_EQ(std::tuple(h.viewstate(*appdelegate.PasteboardTextView).text,
                       h.windowstate(*appdelegate.PasteboardWindow).visible),
            std::tuple("kopiert", true));
  appdelegate.VirtualPrinterTextView.reset();
  vxtest::LogCapture capture;
  const int64_t beeps = h.beepcount();
  t_WindowVisible(9, true);
  EXPECT_EQ(capture.take(), "t_WindowVisible: Virtual printer window is nil, resource undefined.\n");
  EXPECT_TRUE(vxtest::pumpuntil([&] { return h.beepcount() == beeps + 1; }));
  EXPECT_FALSE(h.windowstate(*appdelegate.VirtualPrinterWindow).visible);
  t_WindowFront(13);
  EXPECT_EQ(t_WindowTitle(13), "");  // the lines come in the order of the calls
  EXPECT_EQ(t_WindowPos(13, 8), 0);
  EXPECT_EQ(capture.take(),
            "t_WindowFront: Window does not exist.\n"
            "t_WindowTitle: Window does not exist.\n"
            "t_WindowPos: Window does not exist.\n");
}

TEST(WindowResize, TextAreaOfTheMainWindowFollowsItsFrame) {
  HeadlessHost& h = useHeadlessHost();
  const HostWindow printer = *appdelegate.VirtualPrinterWindow;
  h.makeKeyAndOrderFront(printer);
  h.setWindowFrame(printer, {0, 0, 800, 600}, false);
  windowDidResize(printer);
  const double t = static_cast<double>(titlebarheight);
  EXPECT_EQ(h.viewstate(*appdelegate.VirtualPrinterScrollView).frame, (Rect{20, 20, 760, 600 - 55 - t}));
  const Rect ruler = h.viewstate(*appdelegate.VirtualPrinterRuler).frame;
  EXPECT_EQ(std::tuple(ruler.width, ruler.height), std::tuple(752, 19));
  const HostWindow pasteboard = *appdelegate.PasteboardWindow;
  h.makeKeyAndOrderFront(pasteboard);
  h.setWindowFrame(pasteboard, {0, 0, 500, 400}, false);
  windowDidResize(pasteboard);
  EXPECT_EQ(h.viewstate(*appdelegate.PasteboardScrollView).frame, (Rect{10, 10, 480, 380 - t}));
}
