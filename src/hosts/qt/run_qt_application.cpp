#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <iostream>

#include "hosts/qt/information_options.h"
#include "hosts/qt/qt_host.h"
#include "hosts/qt/translations.h"
#include "hosts/qt/vxtools_qt.h"
#include "runtime/app_delegate.h"

namespace vx {

namespace {

// The application and its host are never destroyed: the program thread may
// still reach the host (and be refused) while the process ends.
QApplication* makeapplication(int argc, char** argv) {
  static int storedargc = 0;
  storedargc = argc;
  return new QApplication(storedargc, argv);
}

}  // namespace

int runQtApplication(int argc, char** argv, std::function<void()> program) {
  return runQtApplication(argc, argv, std::move(program), std::function<void()>{});
}

int runQtApplication(int argc, char** argv, std::function<void()> program, AboutText about) {
  return runQtApplication(argc, argv, std::move(program), std::function<void()>{},
                          std::move(about));
}

int runQtApplication(int argc, char** argv, std::function<void()> program,
                     std::function<void()> launched, AboutText about) {
  // Before the application, which needs a display: --help and --version.
  const std::string command = qt::commandname(argc, argv, about.program);
  const std::string description =
      about.notice.empty() ? about.program : about.program + ": " + about.notice;
  if (qt::answerinformationoption(argc, argv, {command, about.version, {}, description}, std::cout)) return 0;
  QApplication* application = makeapplication(argc, argv);
  QApplication::setQuitOnLastWindowClosed(appdelegate.applicationShouldTerminateAfterLastWindowClosed());
  qt::loadqttranslations();
  auto* host = new qt::QtHost;
  host->setabout(std::move(about));
  installhost(host);
  QObject::connect(application, &QCoreApplication::aboutToQuit, [host] { host->beginquit(); });

  appdelegate.program = program ? std::move(program) : [] {};
  appdelegate.applicationWillFinishLaunching();
  host->buildinterface();
  QTimer::singleShot(0, application, [launched = std::move(launched)] {
    appdelegate.applicationDidFinishLaunching();
    if (launched) launched();
  });
  const int code = QApplication::exec();
  host->beginquit();
  appdelegate.applicationWillTerminate();
  std::fflush(stdout);
  return code;
}

}  // namespace vx
