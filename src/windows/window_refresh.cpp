#include "windows/window_refresh.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/threads.h"
#include "windows/window_image.h"

namespace vx {

std::atomic<bool> AutoUpdateStarted{false};

namespace {
std::atomic<int64_t> runningprocesses{0};

// The hand-shake between startautoupdateprocess and the process it starts.
std::mutex& announcemutex = *new std::mutex;
std::condition_variable& announced = *new std::condition_variable;
int64_t announcements = 0;  // guarded by announcemutex

// A process that could not be created never announces itself; the starter
// stops waiting after this long.
constexpr auto AnnounceTimeout = std::chrono::seconds(5);

void announcestart() {
  std::lock_guard lock(announcemutex);
  ++announcements;
  announced.notify_all();
}

int64_t refreshinterval(int64_t rate) { return rate == 0 ? 0 : 1000 / rate; }

// Whether slot n wants a redraw at `nowms`.
bool refreshdue(const t_Window& w, int64_t nowms) {
  if (!w.Initialized || !w.AutoUpdate || !w.VerticalBlank) return false;
  return nowms - w.UpdateStarted >= refreshinterval(w.RefreshRate);
}

}  // namespace

int64_t autoupdateprocesses() { return runningprocesses; }

void t_WindowUpdate(uint8_t window, bool deferred) {
  if (!MemoryReady) return;
  if (window >= 8) {
    log("t_WindowUpdate: Window is not a graphic window.");
    return;
  }
  const auto view = t_GetWindowView(window);
  if (!view) {
    log("t_WindowUpdate: Window #" + std::to_string(window) + " view is nil, resource undefined.");
    return;
  }
  onmainthread([&] {
    if (deferred) {
      host().setNeedsDisplay(*view);
    } else {
      host().displayNow(*view);
    }
  });
}

bool autoupdatepass(int64_t nowms) {
  bool served = false;
  for (uint8_t n = 0; n < 8; ++n) {
    t_Window& w = WindowTable[n];
    if (!refreshdue(w, nowms)) continue;
    const auto view = t_GetWindowView(n);
    if (!view) {
      log("t_WindowAutoUpdateProcess: Window #" + std::to_string(n) + " view is nil, resource undefined.");
      continue;
    }
    w.UpdateStarted = nowms;
    onmainthread([&] { host().setNeedsDisplay(*view); });
    served = true;
  }
  return served;
}

void startautoupdateprocess() {
  // Claiming the flag before the process exists keeps two quick window
  // initialisations from starting two processes.
  bool expected = false;
  if (!AutoUpdateStarted.compare_exchange_strong(expected, true)) return;
  std::unique_lock lock(announcemutex);
  const int64_t before = announcements;
  lock.unlock();
  startbackgroundprocess(t_WindowAutoUpdateProcess);
  lock.lock();
  announced.wait_for(lock, AnnounceTimeout, [&] { return announcements != before; });
}

void t_WindowAutoUpdateProcess() {
  log("t_WindowAutoUpdateProcess: Start.");
  if (threadnumber() >= 3) host().setCurrentThreadName("t_WindowAutoUpdate");
  ++runningprocesses;
  AutoUpdateStarted = true;
  announcestart();
  while (MemoryReady && AutoUpdateStarted) {
    // Sleep only when nothing was due, so a due window is never kept waiting.
    if (!autoupdatepass(hostmilliseconds())) sleepmilliseconds(1);
  }
  AutoUpdateStarted = false;
  log("t_WindowAutoUpdateProcess: End.");
  // Counted out only after its last line, so that whoever waits for the
  // process to end also sees that line.
  --runningprocesses;
}

}  // namespace vx
