#pragma once
/// \file
/// The desktop host: runs a user program as a Qt 6 Widgets application.
#include <functional>

#include "hosts/qt/about_box.h"

namespace vx {

/// Creates the application, builds the windows and menus, runs the launch
/// sequence (which starts `program` on the program thread) and the event loop
/// until the user quits; answers the exit code. Quitting at any moment ends
/// cleanly: threads waiting on the main thread are released at once. The
/// program thread may still be running when this returns, so the caller should
/// end the process without running static destructors (std::_Exit).
int runQtApplication(int argc, char** argv, std::function<void()> program);

/// The same, with what the About box of the application menu says.
int runQtApplication(int argc, char** argv, std::function<void()> program, AboutText about);

/// The same; `launched` runs on the main thread right after the launch
/// sequence (in-process tests drive the application from there).
int runQtApplication(int argc, char** argv, std::function<void()> program,
                     std::function<void()> launched, AboutText about = {});

}  // namespace vx
