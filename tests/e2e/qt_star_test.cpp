// The star program in the desktop host on the offscreen platform, driven by
// real Qt key events sent to the text window's view. The test binary lives in
// the application bundle, so the host finds the fonts as the program does.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <regex>
#include <thread>

#include "host/qt/qt_host.h"
#include "host/qt/slot_view_widget.h"
#include "program/velmorandine.h"
#include "star_session.h"
#include "support/test_support.h"
#include "vxtools_qt.h"

using namespace vx;

namespace {

constexpr int64_t Diameter = 256;
constexpr int64_t Segments = 36;

// Waits (on the driver's thread) until `condition` holds, 60 s at most.
bool eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

// Types on the main thread as the keyboard would: a press and a release
// event for the focused view of the text window. Returns once they are
// delivered, so that the screen is read again only when the program next
// waits for a key.
void typekeys(const std::string& text) {
  qt::installedqthost()->runOnMainSync([text] {
    QWidget* view = qt::installedqthost()->view(*appdelegate.slotview(0));
    for (const QChar c : QString::fromStdString(text)) {
      const bool enter = c == '\n';
      const int key = enter ? int(Qt::Key_Return) : int(c.toUpper().unicode());
      const QString typed = enter ? QString("\r") : QString(c);
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
      QApplication::sendEvent(view, &press);
      QApplication::sendEvent(view, &release);
    }
  });
}

// Chooses a menu item in the bar of the front window, as a click would, and
// answers what the clipboard then holds as a picture.
HostImage copyfromfrontwindow(const std::string& menu, const std::string& item) {
  HostImage copied;
  qt::installedqthost()->runOnMainSync([&] {
    qt::QtHost* host = qt::installedqthost();
    const auto front = host->mainWindow();
    if (!front) return;
    if (QAction* action = host->menuaction(*front, menu, item)) action->trigger();
    copied = qt::tohostimage(QApplication::clipboard()->image());
  });
  return copied;
}

}  // namespace

TEST(QtStar, ASessionTypedIntoTheTextWindowDrawsTheStar) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  startlogcapture();
  static char name[] = "qt_star_tests";
  static char* argv[] = {name, nullptr};
  std::atomic<bool> driven{false};
  std::vector<uint8_t> drawn;
  std::string screen;
  HostImage copied;
  std::thread driver;
  const int code = runQtApplication(1, argv, velmorandine, [&] {
    driver = std::thread([&] {
      EXPECT_TRUE(eventually([] { return vxtest::textscreenshows("(32-8192) ein:"); }));
      typekeys(std::to_string(Diameter) + "\n");
      EXPECT_TRUE(eventually([] { return vxtest::textscreenshows("(1-360) ein:"); }));
      typekeys(std::to_string(Segments) + "\n");
      // The next prompt comes once the picture is in front and shown.
      EXPECT_TRUE(eventually([] { return vxtest::textscreencount("(1-360) ein:") == 2; }));
      drawn = vxtest::windowpixels(1, Diameter);
      copied = copyfromfrontwindow("Bearbeiten", "Grafik kopieren");
      typekeys("0\n");
      // The quit line's last piece comes after the program's last output.
      std::string log;
      EXPECT_TRUE(eventually([&] {
        log += takelogcapture();
        return log.find("t_QuitProgram: Quitting current thread with message in window #0.\n") !=
               std::string::npos;
      }));
      screen = vxtest::textscreenafterend();
      driven = true;
    });
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [&] {
      if (driven) QCoreApplication::exit(0);
    });
    poll->start(5);
  });
  driver.join();
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(std::regex_search(screen, std::regex("Zeit = [0-9.]+ ms\\.")));
  const std::vector<uint8_t> reference = vxtest::referencestar(2, Diameter, Segments);
  EXPECT_TRUE(drawn == reference);
  // The copy command put window 1's picture on the clipboard.
  EXPECT_EQ(std::tuple(copied.width, copied.height), std::tuple(Diameter, Diameter));
  EXPECT_TRUE(vxtest::imageindices(copied) == reference);
}
