#pragma once
/// \file
/// Running a program as an application with windows and menus: on the
/// desktop with Qt 6 Widgets (library vxtools::desktop,
/// `find_package(vxtools REQUIRED COMPONENTS desktop)`), or, built with
/// emscripten, in a web page (library vxtools::web). This header needs no Qt
/// headers.
#include <functional>
#include <string>

namespace vx {

/// What the application menu and its About box say of the program.
struct AboutText {
  std::string program;  ///< the program's name: "<name> beenden", "Über <name>"
  std::string version;  ///< the program's version
  std::string notice;  ///< the one-line notice the program prints in its header
};

/// Runs `program` as an application in the host it was built for: the desktop
/// host (as runQtApplication does), or the web host in a browser page, where
/// the page shows the windows and menus, and the application ends when the
/// user quits from its menu. Answers the exit code. A program that calls this
/// builds for the desktop and for the web alike.
int runApplication(int argc, char** argv, std::function<void()> program, AboutText about = {});

/// Runs `program` as a desktop application and answers the exit code.
///
/// Creates the application, builds the windows and menus, runs the launch
/// sequence (which starts `program` on the program thread) and the event loop
/// until the user quits. Quitting at any moment ends cleanly: threads waiting
/// on the main thread are released at once. The program thread may still be
/// running when this returns, so the caller should end the process without
/// running static destructors (std::_Exit).
///
/// Before any window opens, the program's fonts are checked: when the bundle's
/// resource folder is missing, holds no font, or holds a font that cannot be
/// read, the user is told what is missing and where it was looked for (on
/// standard error and in a message box), and the answer is 1.
/// The application menu is named after the executable.
int runQtApplication(int argc, char** argv, std::function<void()> program);

/// The same, with the program's name, version and notice for the application
/// menu and its About box (an empty name: the executable's file name).
int runQtApplication(int argc, char** argv, std::function<void()> program, AboutText about);

/// The same; `launched` runs on the main thread right after the launch
/// sequence (in-process tests drive the application from there).
int runQtApplication(int argc, char** argv, std::function<void()> program,
                     std::function<void()> launched, AboutText about = {});

}  // namespace vx
