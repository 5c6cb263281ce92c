#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "host/bundle.h"
#include "host/interface_description.h"
#include "hosts/resource_check.h"
#include "hosts/qt/information_options.h"
#include "hosts/qt/qt_host.h"
#include "hosts/qt/translations.h"
#include "runtime/app_delegate.h"
#include "vxtools_desktop.h"

namespace vx {

namespace {

// The application and its host are never destroyed: the program thread may
// still reach the host (and be refused) while the process ends.
QApplication* makeapplication(int argc, char** argv) {
  static int storedargc = 0;
  storedargc = argc;
  return new QApplication(storedargc, argv);
}

// Said on standard error and, for a program started from a desktop menu, in
// a message box (not where nobody could see and close it: the platforms
// without a screen).
void reportstartproblem(const std::string& problem) {
  const std::string name = applicationname();
  std::fprintf(stderr, "%s: %s\n", name.c_str(), problem.c_str());
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") return;
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(name),
                  QString::fromStdString(name + " kann nicht starten."));
  box.setInformativeText(QString::fromStdString(problem));
  box.exec();
}

}  // namespace

int runApplication(int argc, char** argv, std::function<void()> program, AboutText about) {
  return runQtApplication(argc, argv, std::move(program), std::function<void()>{}, std::move(about));
}

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
  if (!about.program.empty()) setapplicationname(about.program);
  const std::string fonts = bundleresourcedirectory(executablebundlepath());
  if (const std::optional<std::string> problem = programresourceproblem(fonts)) {
    reportstartproblem(*problem);
    return 1;
  }
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
