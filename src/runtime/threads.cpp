#include "runtime/threads.h"

#include <pthread.h>
#include <time.h>

#include <atomic>
#include <mutex>

#include "host/host.h"
#include "runtime/log.h"
#include "runtime/platform.h"

namespace vx {
namespace {

thread_local int64_t currentnumber = 0;
std::atomic<int64_t> nextnumber{2};
// Whether the toolkit started the current thread (and so catches ProgramQuit
// at its entry), and how many background processes are running now: counted
// from inside each thread, so never more than there are.
thread_local bool startedbytoolkit = false;
std::atomic<int64_t> runningbackground{0};

// The closure hand-over between startprocess and the thread it creates.
std::atomic<bool> startpending{false};
std::mutex closuremutex;
std::function<void()>* startprogramclosure = new std::function<void()>([] {});
int64_t startstacksize = 0;

struct ThreadStart {
  int64_t number;
  bool takeclosure;               // program thread: copy startprogramclosure
  std::function<void()> process;  // background process: carried here
};

void runguarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const ProgramQuit&) {
    // t_QuitProgram ended this thread; its stack is unwound.
  }
}

void* threadentry(void* argument) {
  auto* start = static_cast<ThreadStart*>(argument);
  currentnumber = start->number;
  startedbytoolkit = true;
  std::function<void()> work;
  const bool background = !start->takeclosure;
  if (background) ++runningbackground;
  if (start->takeclosure) {
    {
      std::lock_guard lock(closuremutex);
      work = *startprogramclosure;
    }
    startpending = false;  // the next startprocess may hand over its closure now
  } else {
    work = std::move(start->process);
  }
  delete start;
  runguarded(work);
  work = nullptr;  // what the closure holds goes while the thread is still counted
  if (background) --runningbackground;
  return nullptr;
}

bool createthread(ThreadStart* start, int64_t stacksize) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  if (stacksize > 0) pthread_attr_setstacksize(&attributes, static_cast<size_t>(platformstacksize(stacksize)));
  pthread_t thread;
  const int failed = pthread_create(&thread, &attributes, threadentry, start);
  pthread_attr_destroy(&attributes);
  return failed == 0;
}

}  // namespace

void sleepmilliseconds(int64_t ms) {
  timespec duration{static_cast<time_t>(ms / 1000), static_cast<long>((ms % 1000) * 1000000)};
  nanosleep(&duration, nullptr);
}

void startprocess(std::function<void()> program, int64_t stacksize) {
  bool expected = false;
  while (!startpending.compare_exchange_weak(expected, true)) {
    expected = false;
    sleepmilliseconds(1);
  }
  {
    std::lock_guard lock(closuremutex);
    *startprogramclosure = std::move(program);
    startstacksize = stacksize;
  }
  sleepmilliseconds(10);
  auto create = [] {
    auto* start = new ThreadStart{nextnumber++, true, {}};
    if (!createthread(start, startstacksize)) {
      delete start;
      startpending = false;
      log("startprocess: Thread could not be created.");
    }
  };
  if (!hostinstalled() || host().isMainThread()) {
    create();
  } else if (!host().runOnMainSync(create)) {
    startpending = false;  // the application is quitting; no thread was made
  }
}

void startbackgroundprocess(std::function<void()> process) {
  auto* start = new ThreadStart{nextnumber++, false, std::move(process)};
  if (!createthread(start, 0)) {
    delete start;
    log("startbackgroundprocess: Thread could not be created.");
  }
}

bool threadstartedbytoolkit() { return startedbytoolkit; }

int64_t runningbackgroundprocesses() { return runningbackground; }

int64_t threadnumber() { return currentnumber; }

void markmainthread() { currentnumber = 1; }

void setthreadname(const std::string& name) {
  std::string cut = name.substr(0, 15);
  // Do not split a UTF-8 sequence: drop continuation bytes and their lead.
  if (cut.size() < name.size()) {
    size_t end = cut.size();
    while (end > 0 && (static_cast<uint8_t>(name[end]) & 0xC0) == 0x80) --end;
    cut.resize(end);
  }
  setplatformthreadname(cut);
}

std::string currentthreadname() {
  return platformthreadname();
}

}  // namespace vx
