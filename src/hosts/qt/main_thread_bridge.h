#pragma once
// Hands work from other threads to the Qt main thread. A synchronous hand-over
// waits until the main thread has run the work, or until the application
// begins to quit: from then on nothing more runs and every waiting thread is
// released with the answer false, so no thread can hang on a quitting
// application and the exit never waits for a thread.
//
// The work itself travels in a queue of our own under a mutex; Qt's event
// loop only carries a bare wake-up event. So every hand-over is ordered by
// the mutex, which ThreadSanitizer sees (Qt's own locks it cannot).
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

namespace vx::qt {

class MainThreadBridge {
 public:
  explicit MainThreadBridge(QObject* mainthreadobject);
  // On the main thread; wake-up events still pending go with the receiver.
  ~MainThreadBridge();
  MainThreadBridge(const MainThreadBridge&) = delete;
  MainThreadBridge& operator=(const MainThreadBridge&) = delete;

  bool runsync(std::function<void()> task);
  void runasync(std::function<void()> task);

  // Called on the main thread when the application starts to quit.
  void beginquit();
  bool quitting() const;

  // Runs the queued work; the main thread's wake-up event calls it.
  void runqueued();

 private:
  struct Queued {
    std::function<void()> task;
    std::shared_ptr<bool> done;  // set once it has run; none for asynchronous work
  };
  bool enqueue(Queued item);

  QObject* receiver_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Queued> queue_;
  bool quitting_ = false;
};

}  // namespace vx::qt
