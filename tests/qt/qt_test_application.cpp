#include "qt_test_application.h"

#include <QApplication>

namespace vxtest {

QApplication& qtapplication() {
  static int argc = 1;
  static char name[] = "qt_host_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

}  // namespace vxtest
