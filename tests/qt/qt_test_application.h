#pragma once
// The QApplication of a Qt test process, on the offscreen platform unless
// another one is asked for, and the desktop host the tests share.
#include <QApplication>
#include <QTimer>
#include <functional>

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

// Runs `answer` on the modal widget of type Modal once it shows, from that
// widget's own event loop.
template <typename Modal>
void whenmodalshows(std::function<void(Modal&)> answer) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
    if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      answer(*modal);
    }
  });
  timer->start(5);
}
}  // namespace vxtest
