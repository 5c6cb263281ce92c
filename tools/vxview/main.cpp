// vxview: the desktop viewer of the toolkit's ".gr" graphic files.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <iostream>

#include "hosts/qt/information_options.h"
#include "hosts/qt/translations.h"
#include "runtime/log.h"
#include "viewer.h"

int main(int argc, char** argv) {
  // --help and --version need no display, so they are answered before the application.
  const vx::qt::ProgramUsage usage{"vxview", VX_PROGRAM_VERSION, "[FILE ...]",
                                   "Shows the toolkit's graphic files (.gr), each in a window of its own;\n"
                                   "without files, it offers the open dialog."};
  if (vx::qt::answerinformationoption(argc, argv, usage, std::cout)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vxview"));
  QApplication::setApplicationVersion(QStringLiteral(VX_PROGRAM_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("vxview"));
  // The reader's reasons go to the message box and standard error; the
  // toolkit's diagnostic lines would only repeat them.
  vx::setlogechoed(false);
  vx::qt::loadqttranslations();

  QCommandLineParser arguments;
  arguments.process(application);

  vxview::Viewer viewer({"vxview", VX_PROGRAM_VERSION, "Betrachter für die Grafikdateien von vxtools (.gr)"});
  const QStringList paths = arguments.positionalArguments();
  if (paths.isEmpty()) {
    // Without files: the open dialog over a window that keeps the command.
    vxview::GraphicWindow* window = viewer.emptywindow();
    QTimer::singleShot(0, window, [&viewer, window] { viewer.choosefiles(window); });
  } else if (viewer.openfiles(paths) == 0) {
    return 1;  // nothing to show; the message box has said why
  }
  return QApplication::exec();
}
