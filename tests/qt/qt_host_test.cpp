#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <algorithm>

#include "host/slot_view.h"
#include "hosts/qt/qt_host.h"
#include "hosts/qt/slot_view_widget.h"
#include "qt_test_application.h"
#include "runtime/app_delegate.h"
#include "vxtools.h"

using namespace vx;
using vx::qt::QtHost;

using vxtest::qthost;

namespace {

HostWindow slotwindow(QtHost& h, int slot) { return *h.viewWindow(*appdelegate.slotview(slot)); }

}  // namespace

// Frames are in bottom-left screen coordinates; a frame too large for the
// screen gets what fits and is reported so.
TEST(QtHost, WindowFramesAreInBottomLeftScreenCoordinatesAndFitTheScreen) {
  QtHost& h = qthost();
  const HostWindow w = slotwindow(h, 3);
  const Rect frame{100, 200, 300, 150};
  h.setWindowFrame(w, frame, true);
  EXPECT_EQ(h.windowFrame(w), frame);
  const QRect screen = h.window(w)->screen()->geometry(), available = h.window(w)->screen()->availableGeometry();
  EXPECT_EQ(h.window(w)->geometry().y(), screen.y() + screen.height() - 200 - 150);
  EXPECT_EQ(h.screenSize(w), (Size{double(screen.width()), double(screen.height())}));
  h.setWindowFrame(w, {-500, -900, 9000, 9000}, true);
  EXPECT_EQ(h.windowFrame(w), (Rect{0, 0, double(available.width()), double(available.height())}));
}

TEST(QtHost, ViewsKeepTheirPlaceFromTheBottomLeftWhenTheWindowChangesSize) {
  QtHost& h = qthost();
  const HostView view = *appdelegate.slotview(1);
  const HostWindow w = slotwindow(h, 1);
  h.orderFront(w);
  h.setWindowFrame(w, {50, 50, 200, 200.0 + h.window(w)->titleheight()}, true);
  QCoreApplication::processEvents();
  h.setViewFrame(view, {5, 7, 32, 40});
  const QWidget* widget = h.view(view);
  const int contentheight = widget->parentWidget()->height();
  EXPECT_EQ(widget->geometry(), QRect(5, contentheight - 7 - 40, 32, 40));
  h.setWindowFrame(w, {50, 50, 300, 350.0 + h.window(w)->titleheight()}, true);
  QCoreApplication::processEvents();
  const int grown = widget->parentWidget()->height();
  ASSERT_NE(grown, contentheight);
  EXPECT_EQ(widget->geometry(), QRect(5, grown - 7 - 40, 32, 40));
  EXPECT_EQ(h.viewFrame(view), (Rect{5, 7, 32, 40}));
}

TEST(QtHost, ASlotViewStaysAtTheTopLeftWhenItsWindowIsResized) {
  QtHost& h = qthost();
  const HostView view = *appdelegate.slotview(6);
  const HostWindow w = slotwindow(h, 6);
  const int title = h.window(w)->titleheight();
  h.setWindowFrame(w, {50, 50, 210, 110.0 + title}, true);
  h.setViewFrame(view, {5, 5, 200, 100});
  h.orderFront(w);
  QCoreApplication::processEvents();
  const QWidget* widget = h.view(view);
  // As the user drags the window's edges: smaller, the view shrinks and keeps
  // its borders; larger, it keeps its size; never does it leave the top left.
  for (const QSize& size : {QSize(210, 110), QSize(100, 60), QSize(400, 300)}) {
    h.window(w)->resize(size + QSize(0, title));
    QCoreApplication::processEvents();
    EXPECT_EQ(widget->geometry(), QRect(5, 5, std::min(200, size.width() - 10), std::min(100, size.height() - 10)))
        << size.width();
  }
  EXPECT_EQ(h.viewFrame(view), (Rect{5, 5, 200, 100}));
}

TEST(QtHost, EveryWindowShowsTheMenuBarAndADeletionReachesAllOfThem) {
  QtHost& h = qthost();
  const HostWindow text = slotwindow(h, 0);
  const HostWindow main = *appdelegate.MainWindow;
  ASSERT_NE(h.menuaction(text, "Bearbeiten", "Grafik kopieren"), nullptr);
  ASSERT_NE(h.menuaction(main, "Bearbeiten", "Grafik kopieren"), nullptr);
  const int edit = *h.findMenu("Bearbeiten");
  const auto before = h.menuItems(edit);
  ASSERT_EQ(before.front().title, "Grafik kopieren");
  h.deleteMenuItem(edit, 0);
  EXPECT_EQ(h.menuItems(edit).size(), before.size() - 1);
  EXPECT_EQ(h.menuaction(text, "Bearbeiten", "Grafik kopieren"), nullptr);
  EXPECT_EQ(h.menuaction(main, "Bearbeiten", "Grafik kopieren"), nullptr);
  EXPECT_NE(h.menuaction(main, "Bearbeiten", "Text kopieren"), nullptr);
  h.deleteMenuItem(edit, 99);  // no such item: nothing changes
  EXPECT_EQ(h.menuItems(edit).size(), before.size() - 1);
}

// A close box only hides its window, which comes back with its view; hiding
// by the program quits nothing, even the last visible window. (That the close
// box of the last visible window quits is the desktop session's step 4.)
TEST(QtHost, TheCloseBoxHidesAndTheProgramsHidingNeverQuits) {
  QtHost& h = qthost();
  const HostWindow text = slotwindow(h, 0), graphic = slotwindow(h, 1);
  h.makeKeyAndOrderFront(graphic);
  h.orderFront(text);
  h.window(graphic)->close();
  EXPECT_FALSE(h.isWindowVisible(graphic));
  h.orderFront(graphic);
  EXPECT_EQ(std::tuple(h.isWindowVisible(graphic), h.viewWindow(*appdelegate.slotview(1))), std::tuple(true, graphic));
  h.orderOut(graphic);
  h.orderOut(text);
  EXPECT_FALSE(h.quitrequested());
}

TEST(QtHost, TheMainWindowIsTheLastVisibleWindowMadeKey) {
  QtHost& h = qthost();
  const HostWindow first = slotwindow(h, 4), second = slotwindow(h, 5);
  h.makeKeyAndOrderFront(first);
  h.makeKeyAndOrderFront(second);
  EXPECT_EQ(h.mainWindow(), second);
  h.orderOut(second);
  EXPECT_EQ(h.mainWindow(), first);
}

TEST(QtHost, ThePasteboardHoldsTextAndImages) {
  QtHost& h = qthost();
  // The toolkit's CR line ends (and CR LF pairs) reach the clipboard as LF,
  // and read back so (the desktop session sees no CR in a copy either).
  h.pasteboardSetString("eins\rzwei\r\ndrei\nvier\r\rfünf\r");
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "eins\nzwei\ndrei\nvier\n\nfünf\n");
  EXPECT_EQ(h.pasteboardString(), "eins\nzwei\ndrei\nvier\n\nfünf\n");
  // Images keep their channels in place, the alpha too.
  const HostImage image{2, 2, {255, 10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 128, 1, 2, 3}};
  EXPECT_EQ(qt::toqimage(image).pixel(0, 1), qRgba(70, 80, 90, 255));
  h.pasteboardSetImage(image);
  EXPECT_EQ(qt::tohostimage(QApplication::clipboard()->image()), image);
  // A buffer that falls short of its size shows nothing rather than reading past its end.
  EXPECT_TRUE(qt::toqimage(HostImage{4, 4, std::vector<uint8_t>(12, 255)}).isNull());
}

TEST(QtHost, AOneBitPictureGoesOnTheClipboardAtOneBitAPixel) {
  QtHost& h = qthost();
  const uint8_t rows[] = {0xA5, 0x00, 0xFF, 0x0F};  // 16 x 2 pixels, 2 bytes a row
  h.pasteboardSetPicture(StoredPicture{rows, 16, 2, 1, 2});
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.format(), QImage::Format_Mono);
  ASSERT_EQ(copied.size(), QSize(16, 2));
  // A set bit is white, as the toolkit's one-bit pictures show it.
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 16; ++x)
      EXPECT_EQ(copied.pixel(x, y), rows[y * 2 + x / 8] & (0x80 >> (x % 8)) ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
          << x << "," << y;
}


// A text window made smaller than its text keeps the cursor's line in sight
// as the text goes on, and when it is made smaller still.
TEST(QtHost, ATextWindowSmallerThanItsTextKeepsTheCursorsLineInSight) {
  QtHost& h = qthost();
  t_InitMemory();
  const t_Font font{.Format = 2, .End = 255, .Width = 8, .Height = 8, .Data = std::vector<uint8_t>(256 * 64, 0xFF)};
  t_InitWindow(0, 8, false, 320, 400, 5, 5, font, true);  // 40 columns, 50 lines
  const HostWindow w = slotwindow(h, 0);
  h.makeKeyAndOrderFront(w);
  auto* view = dynamic_cast<qt::SlotViewWidget*>(h.view(*appdelegate.slotview(0)));
  ASSERT_NE(view, nullptr);
  const auto cursorinsight = [&] {
    const auto rows = slotcursorrows(0);
    if (!rows) return false;
    const double top = view->viewportat(QPointF(0, double(rows->top))).y(),
                 bottom = view->viewportat(QPointF(0, double(rows->bottom))).y();
    return top >= 0 && bottom <= view->viewport()->height();
  };
  const int title = h.window(w)->titleheight();
  h.window(w)->resize(QSize(330, 110 + title));
  QCoreApplication::processEvents();
  ASSERT_LT(view->viewport()->height(), 400);
  for (int line = 0; line < 30; ++line) {
    t_Print(0, "Zeile " + std::to_string(line));
    t_Cr(0);
    h.setNeedsDisplay(*appdelegate.slotview(0));  // as the refresh process asks
    EXPECT_TRUE(cursorinsight()) << "line " << line;
  }
  h.window(w)->resize(QSize(330, 60 + title));
  QCoreApplication::processEvents();
  EXPECT_TRUE(cursorinsight());
}
