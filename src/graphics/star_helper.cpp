#include "graphics/star_helper.h"

#include <condition_variable>
#include <mutex>

namespace vx {
namespace {

std::atomic<int64_t> splitrows{DefaultSplitRows};

// The kept thread: it waits for one share at a time. Made once and never
// destroyed, as the thread may still wait when the program's static objects
// go.
struct KeptHelper {
  std::mutex mutex;
  std::condition_variable wake;
  std::function<void()> work;  // handed over, not yet taken
  bool started = false;
  bool busy = false;  // a share was handed over and is not done
};

KeptHelper& kepthelper() {
  static KeptHelper* const kept = new KeptHelper;
  return *kept;
}

void serve(KeptHelper& kept) {
  std::unique_lock lock(kept.mutex);
  for (;;) {
    kept.wake.wait(lock, [&] { return static_cast<bool>(kept.work); });
    std::function<void()> work = std::move(kept.work);
    kept.work = nullptr;
    lock.unlock();
    work();
    work = nullptr;  // what it holds goes before the thread is free again
    lock.lock();
    kept.busy = false;
  }
}

}  // namespace

void setstarsplitrows(int64_t rows) { splitrows.store(rows, std::memory_order_relaxed); }
int64_t starsplitrows() { return splitrows.load(std::memory_order_relaxed); }

void readystarhelper(int64_t rows) {
  if (rows < starsplitrows() || std::thread::hardware_concurrency() < 2) return;
  KeptHelper& kept = kepthelper();
  const std::lock_guard lock(kept.mutex);
  if (kept.started) return;
  try {
    std::thread(serve, std::ref(kept)).detach();
    kept.started = true;
  } catch (const std::system_error&) {
    // No thread now: drawings start their own, or do without.
  }
}

bool sharewithhelper(std::function<void()> work) {
  KeptHelper& kept = kepthelper();
  {
    const std::lock_guard lock(kept.mutex);
    if (kept.started && !kept.busy) {
      kept.work = std::move(work);
      kept.busy = true;
      kept.wake.notify_one();
      return true;
    }
  }
  std::thread helper = starthelper(std::move(work));
  if (!helper.joinable()) return false;
  helper.detach();  // the caller waits for the shares it takes
  return true;
}

}  // namespace vx
