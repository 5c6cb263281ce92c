// Key presses and clicks on a slot view reach the toolkit as the key table
// and the click arithmetic expect them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <tuple>

#include "events/event_state.h"
#include "hosts/qt/qt_host.h"
#include "hosts/qt/slot_view_widget.h"
#include "qt_test_application.h"
#include "runtime/app_delegate.h"
#include "support/test_support.h"
#include "windows/window_init.h"

using namespace vx;

namespace {

constexpr uint8_t Slot = 1;
constexpr int64_t Side = 64, Border = 5;

// A host with graphic window 1 open: 64 x 64 pixels, 5-point borders.
qt::SlotViewWidget* openslotview() {
  qt::QtHost* host = &vxtest::qthost();
  t_InitWindow(Slot, 1, false, Side, Side, Border, Border, t_Font{}, true);
  auto* view = static_cast<qt::SlotViewWidget*>(host->view(*appdelegate.slotview(Slot)));
  view->window()->show();  // clicks come to shown views, laid out
  QCoreApplication::processEvents();
  return view;
}

// A click lands on the view's viewport, as the mouse's would.
void click(qt::SlotViewWidget* view, QPointF at, Qt::MouseButton button) {
  QWidget* port = view->viewport();
  QMouseEvent press(QEvent::MouseButtonPress, at, port->mapToGlobal(at), button, button, Qt::NoModifier);
  QApplication::sendEvent(port, &press);
}

}  // namespace

// Clicks arrive in picture coordinates from the top left. Whatever the zoom
// and scrolling, a click reaches the toolkit at the window position the
// picture point has at 1:1, unrounded: the toolkit's truncation is the only
// rounding. The host's y grows upward.
TEST(SlotViewEvents, ClicksFindThePixelUnderTheMouseAtAnyZoomAndScrolling) {
  vxtest::LogCapture log;
  qt::SlotViewWidget* view = openslotview();
  ASSERT_EQ(view->size(), QSize(Side, Side));
  log.take();
  click(view, {3, 10}, Qt::LeftButton);
  EXPECT_NE(log.take().find("t_MouseEventHandler: Graphic #1 window, X = 3, Y = 10\n"), std::string::npos);
  EXPECT_TRUE(LeftMouseDown);
  click(view, {63, 0}, Qt::RightButton);
  EXPECT_TRUE(RightMouseDown);
  click(view, {3.75, 10.25}, Qt::LeftButton);  // rounded first, x would read 4
  view->setzoom(2, {0, 0});
  QCoreApplication::processEvents();
  view->horizontalScrollBar()->setValue(20);
  view->verticalScrollBar()->setValue(8);
  click(view, {10, 6}, Qt::LeftButton);  // the picture point (15, 7)
  std::vector<std::tuple<int64_t, int64_t, int64_t, int64_t>> clicks;
  for (const t_Event& e : MouseEventQueue.snapshot()) clicks.emplace_back(e.WindowX, e.WindowY, e.ClickX, e.ClickY);
  EXPECT_EQ(clicks, (std::vector<std::tuple<int64_t, int64_t, int64_t, int64_t>>{
                        {Border + 3, Border + Side - 10, 3, 10},
                        {Border + 63, Border + Side, 63, 0},
                        {Border + 3, Border + Side - 11, 3, 11},
                        {Border + 15, Border + Side - 7, 15, 7}}));
}

TEST(SlotViewEvents, TypedKeysAreQueuedWithTheToolkitsCodes) {
  QWidget* view = openslotview();
  const auto press = [view](int key, const QString& text, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(view, &event);
  };
  // A typed character and a named key that types none; each key's own
  // translation is the key translation's and the key table's test.
  press(Qt::Key_A, "a");
  press(Qt::Key_Left, "");
  // A modifier alone queues nothing but is recorded. (Qt reports the state
  // after the press: a Shift press made without Shift held reads as Shift.)
  press(Qt::Key_Shift, "");
  std::vector<std::tuple<int64_t, int64_t>> keys;
  for (const t_Event& e : EventQueue.snapshot()) keys.emplace_back(e.Window, e.Value);
  EXPECT_EQ(keys, (std::vector<std::tuple<int64_t, int64_t>>{{Slot, 97}, {Slot, 8}}));
  EXPECT_TRUE(ModifierState.Shift);
}
