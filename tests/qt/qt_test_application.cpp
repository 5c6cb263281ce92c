#include "qt_test_application.h"

#include <QApplication>
#include <QElapsedTimer>

#include "host/interface_description.h"
#include "hosts/qt/qt_host.h"

namespace vxtest {

QApplication& qtapplication() {
  static int argc = 1;
  static char name[] = "qt_host_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

vx::qt::QtHost& qthost() {
  qtapplication();
  static vx::qt::QtHost* host = [] {
    vx::setapplicationname("Velmorandine");  // what the star program's host is called
    auto* h = new vx::qt::QtHost;
    vx::installhost(h);
    h->buildinterface();
    return h;
  }();
  return *host;
}

bool processuntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 30000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

}  // namespace vxtest
