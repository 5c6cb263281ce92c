#include "host/qt/main_thread_bridge.h"

#include <QMetaObject>
#include <QObject>
#include <memory>

namespace vx::qt {

MainThreadBridge::MainThreadBridge(QObject* mainthreadobject) : context_(mainthreadobject) {}

bool MainThreadBridge::runsync(std::function<void()> task) {
  auto done = std::make_shared<bool>(false);
  if (quitting()) return false;
  // The quitting flag changes only on the main thread, so a task that has
  // started there always finishes before any waiter is released by quitting;
  // a released waiter's task (which may refer to its stack) never runs.
  QMetaObject::invokeMethod(
      context_,
      [this, done, task = std::move(task)] {
        if (quitting()) return;
        task();
        {
          std::lock_guard lock(mutex_);
          *done = true;
        }
        changed_.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return *done || quitting_; });
  return *done;
}

void MainThreadBridge::runasync(std::function<void()> task) {
  if (quitting()) return;
  QMetaObject::invokeMethod(
      context_,
      [this, task = std::move(task)] {
        if (!quitting()) task();
      },
      Qt::QueuedConnection);
}

void MainThreadBridge::beginquit() {
  {
    std::lock_guard lock(mutex_);
    quitting_ = true;
  }
  changed_.notify_all();
}

bool MainThreadBridge::quitting() const {
  std::lock_guard lock(mutex_);
  return quitting_;
}

}  // namespace vx::qt
