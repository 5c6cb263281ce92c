#pragma once
// Hands work from other threads to the Qt main thread. A synchronous hand-over
// waits until the main thread has run the work, or until the application
// begins to quit: from then on nothing more runs and every waiting thread is
// released with the answer false, so no thread can hang on a quitting
// application and the exit never waits for a thread.
#include <condition_variable>
#include <functional>
#include <mutex>

class QObject;

namespace vx::qt {

class MainThreadBridge {
 public:
  explicit MainThreadBridge(QObject* mainthreadobject);

  bool runsync(std::function<void()> task);
  void runasync(std::function<void()> task);

  // Called on the main thread when the application starts to quit.
  void beginquit();
  bool quitting() const;

 private:
  QObject* context_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool quitting_ = false;
};

}  // namespace vx::qt
