#pragma once
// The QApplication of a Qt test process, on the offscreen platform unless
// another one is asked for, and the desktop host the tests share.
#include <functional>

class QApplication;
namespace vx::qt {
class QtHost;
}

namespace vxtest {
QApplication& qtapplication();
// One installed host with its interface built, per test process (ctest runs
// each test in a process of its own).
vx::qt::QtHost& qthost();
// Runs the main thread's events until `done` holds; false after 30 s.
bool processuntil(const std::function<bool()>& done);
}  // namespace vxtest
