#include "windows/window_refresh.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/threads.h"
#include "graphics/pixel_surface.h"
#include "windows/picture_fingerprint.h"
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

// With no window due, the process sleeps until the next one is, but never
// longer than this, so that a window that joins the refresh is served within
// a frame of the usual 30 a second. (Every wake costs: in a browser page,
// where a thread's wake is dear, a shorter nap showed in the idle page's CPU.)
constexpr int64_t LongestIdleSleep = 33;

// The fingerprint of each slot's picture when its view was last asked to
// redraw. Only the refresh process reads and writes it (tests drive passes
// only while no process runs).
std::array<std::optional<uint64_t>, 8> requestedfingerprint;

int64_t refreshinterval(int64_t rate) { return rate == 0 ? 0 : 1000 / rate; }

// Whether slot n wants a redraw at `nowms`.
bool refreshdue(const t_Window& w, int64_t nowms) {
  if (!w.Initialized || !w.AutoUpdate || !w.VerticalBlank) return false;
  return nowms - w.UpdateStarted >= refreshinterval(w.RefreshRate);
}

// Whether slot n's picture differs from what its view was last asked to
// show; remembers the picture as asked for when it does. A hidden window
// shows nothing, and the host draws it anew when it is shown again.
bool picturechanged(uint8_t n) {
  PixelSurface s;
  {
    const auto reading = readslotgeometry();
    if (!WindowTable[n].Initialized || !WindowTable[n].Visible) return false;
    s = pixelsurface(n);
  }
  const uint64_t now = picturefingerprint(s.stored());
  if (requestedfingerprint[n] == now) return false;
  requestedfingerprint[n] = now;
  return true;
}

// How long to sleep after a pass that served nothing: until the earliest
// refreshed window is due again, at least 1 ms and at most LongestIdleSleep.
int64_t idlesleep(int64_t nowms) {
  int64_t sleep = LongestIdleSleep;
  for (const t_Window& w : WindowTable) {
    if (!w.Initialized || !w.AutoUpdate) continue;
    sleep = std::min(sleep, w.UpdateStarted + refreshinterval(w.RefreshRate) - nowms);
  }
  return std::max<int64_t>(sleep, 1);
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
    if (!view && host().isShuttingDown()) return served;
    if (!view) {
      log("t_WindowAutoUpdateProcess: Window #" + std::to_string(n) + " view is nil, resource undefined.");
      continue;
    }
    w.UpdateStarted = nowms;
    served = true;
    // The view is redrawn only when the picture changed since it was asked
    // for last; an unchanged picture costs the fingerprint and nothing else.
    if (picturechanged(n)) onmainthread([&] { host().setNeedsDisplay(*view); });
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
  // A host that shuts down ends the process: it no longer shows views, and
  // asking it for them would only answer none, pass after pass.
  while (MemoryReady && AutoUpdateStarted && !host().isShuttingDown()) {
    // Sleep only when nothing was due, so a due window is never kept waiting.
    const int64_t now = hostmilliseconds();
    if (!autoupdatepass(now)) sleepmilliseconds(idlesleep(now));
  }
  AutoUpdateStarted = false;
  log("t_WindowAutoUpdateProcess: End.");
  // Counted out only after its last line, so that whoever waits for the
  // process to end also sees that line.
  --runningprocesses;
}

}  // namespace vx
