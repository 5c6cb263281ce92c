#pragma once
// The QApplication of a Qt test process, on the offscreen platform unless
// another one is asked for.
class QApplication;

namespace vxtest {
QApplication& qtapplication();
}  // namespace vxtest
