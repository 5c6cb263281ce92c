#include "host/host.h"

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "runtime/threads.h"

namespace vx {
namespace {
std::atomic<Host*> installed{nullptr};
}

void Host::setCurrentThreadName(const std::string& name) { setthreadname(name); }

double Host::absoluteTime() {
  // Seconds between 1 January 1970 and 1 January 2001.
  constexpr double referenceoffset = 978307200.0;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration<double>(now).count() - referenceoffset;
}

void installhost(Host* h) {
  installed = h;
  markmainthread();
}

bool hostinstalled() { return installed.load() != nullptr; }

Host& host() {
  Host* h = installed.load();
  if (h == nullptr) {
    std::fputs("vxtools: no host installed; call vx::useHeadlessHost() or run the program "
               "with vx::runQtApplication() or vx::runHeadless() first.\n",
               stderr);
    std::abort();
  }
  return *h;
}

}  // namespace vx
