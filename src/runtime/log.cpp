#include "runtime/log.h"

#include <cstdio>
#include <mutex>

namespace vx {
namespace {

struct LogState {
  std::mutex mutex;
  bool capturing = false;
  bool echoed = true;
  std::string captured;
};

// Never destroyed: background threads may still log while the process exits.
LogState& state() {
  static LogState* s = new LogState;
  return *s;
}

}  // namespace

void log(std::string_view text, std::string_view terminator) {
  std::string piece;
  piece.reserve(text.size() + terminator.size());
  piece.append(text).append(terminator);
  LogState& s = state();
  std::lock_guard lock(s.mutex);
  if (s.capturing) s.captured += piece;
  if (s.echoed) {
    std::fwrite(piece.data(), 1, piece.size(), stdout);
    std::fflush(stdout);
  }
}

void startlogcapture() {
  std::lock_guard lock(state().mutex);
  state().capturing = true;
  state().captured.clear();
}

std::string takelogcapture() {
  std::lock_guard lock(state().mutex);
  std::string out;
  out.swap(state().captured);
  return out;
}

void stoplogcapture() {
  std::lock_guard lock(state().mutex);
  state().capturing = false;
  state().captured.clear();
}

void setlogechoed(bool echoed) {
  std::lock_guard lock(state().mutex);
  state().echoed = echoed;
}

}  // namespace vx
