#include "runtime/log.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace vx {
namespace {

// Writes to a stream and flushes, so lines are seen at once and in order.
LogSink streamsink(std::FILE* stream) {
  return [stream](std::string_view piece) {
    std::fwrite(piece.data(), 1, piece.size(), stream);
    std::fflush(stream);
  };
}

// The destination VXTOOLS_LOG names, decided once per process. A file that
// cannot be opened is said on standard error, and the lines keep going to
// standard output.
LogSink sinkfromenvironment() {
  const char* chosen = std::getenv("VXTOOLS_LOG");
  if (chosen == nullptr || *chosen == '\0' || std::strcmp(chosen, "stdout") == 0)
    return streamsink(stdout);
  if (std::strcmp(chosen, "off") == 0) return {};
  if (std::strcmp(chosen, "stderr") == 0) return streamsink(stderr);
  // Never closed: threads may log until the process ends.
  std::FILE* file = std::fopen(chosen, "a");
  if (file == nullptr) {
    std::fprintf(stderr, "vxtools: VXTOOLS_LOG: cannot open \"%s\" (%s); logging to standard output\n",
                 chosen, std::strerror(errno));
    return streamsink(stdout);
  }
  return streamsink(file);
}

const LogSink& environmentsink() {
  static const auto* sink = new LogSink(sinkfromenvironment());  // lives as long as the process
  return *sink;
}

struct LogState {
  std::mutex mutex;
  bool capturing = false;
  bool echoed = true;
  std::string captured;
  LogSink sink = environmentsink();
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
  if (s.echoed && s.sink) s.sink(piece);
}

void setlogsink(LogSink sink) {
  LogState& s = state();
  std::lock_guard lock(s.mutex);
  s.sink = std::move(sink);
}

void resetlogsink() {
  LogState& s = state();
  std::lock_guard lock(s.mutex);
  s.sink = environmentsink();
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
