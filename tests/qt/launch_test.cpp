// Each test runs the whole application once; ctest gives every test a
// process of its own (one QApplication per process).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QTimer>
#include <atomic>
#include <sstream>

#include "hosts/qt/qt_host.h"
#include "support/test_support.h"
#include "vxtools_desktop.h"

using namespace vx;

namespace {

int runapplication(std::function<void()> program, std::function<void()> launched) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static char name[] = "qt_launch_tests";
  static char* argv[] = {name, nullptr};
  return runQtApplication(1, argv, std::move(program), std::move(launched));
}

// Calls `check` on the main thread every few milliseconds; quits the
// application once it holds (or after 30 s, failing the test).
void quitwhen(std::function<bool()> check) {
  auto* timer = new QTimer(qApp);
  auto started = std::chrono::steady_clock::now();
  QObject::connect(timer, &QTimer::timeout, [timer, check = std::move(check), started] {
    const bool late = std::chrono::steady_clock::now() - started > std::chrono::seconds(30);
    if (check() || late) {
      EXPECT_FALSE(late) << "the awaited state never came";
      timer->stop();
      QCoreApplication::exit(0);
    }
  });
  timer->start(2);
}

// The log's lines that begin with one of `prefixes`, in order.
std::string lineswith(const std::string& log, std::initializer_list<const char*> prefixes) {
  std::istringstream in(log);
  std::string line, kept;
  while (std::getline(in, line))
    for (const char* prefix : prefixes)
      if (line.starts_with(prefix)) kept += line + "\n";
  return kept;
}

}  // namespace

TEST(QtLaunch, TheLaunchSequenceRunsInOrderAndStartsTheProgramOnItsThread) {
  vxtest::LogCapture log;
  std::atomic<int64_t> programthread{-1};
  const int code = runapplication([&] { programthread = threadnumber(); },
                                  [&] { quitwhen([&] { return programthread >= 0; }); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(programthread, 2);
  // The launch lines, each once and in this order.
  EXPECT_EQ(lineswith(log.take(), {"application", "initvxtools", "Program:"}),
            "applicationWillFinishLaunching: Called.\n"
            "applicationDidFinishLaunching: Start.\n"
            "initvxtools: Start.\ninitvxtools: End.\n"
            "Program: Start.\n"
            "applicationDidFinishLaunching: End.\n"
            "applicationWillTerminate: Called.\n");
  // The title bar was measured from the pasteboard window: its menu bar, as every window has.
  EXPECT_EQ(titlebarheight, qt::installedqthost()->window(*appdelegate.PasteboardWindow)->titleheight());
}

TEST(QtLaunch, QuittingWhileAFileDialogIsOpenEndsTheApplication) {
  std::optional<std::optional<std::string>> answer;
  const int code = runapplication({}, [&] {
    quitwhen([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; });
    QTimer::singleShot(0, [&] {
      SavePanelRequest request;
      request.title = "Grafik sichern unter";
      request.proposedName = "Stern.gr";
      answer = host().runSavePanel(request);
    });
  });
  EXPECT_EQ(code, 0);
  ASSERT_TRUE(answer.has_value());  // the dialog returned
  EXPECT_FALSE(answer->has_value());  // as cancelled
}
