#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vxfuzz {

uint64_t Input::number(int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | byte();
  return value;
}

int64_t Input::anyint() {
  switch (byte() % 8) {
    case 0: return std::numeric_limits<int64_t>::min();
    case 1: return std::numeric_limits<int64_t>::max();
    case 2: return -static_cast<int64_t>(number(1));
    case 3: return static_cast<int64_t>(number(4)) - (int64_t{1} << 31);
    case 4: return static_cast<int64_t>(number(8));
    default: return static_cast<int64_t>(number(2));
  }
}

vx::HeadlessHost& quiethost() {
  static vx::HeadlessHost& host = [&]() -> vx::HeadlessHost& {
    vx::setlogechoed(false);
    return vx::useHeadlessHost();
  }();
  return host;
}

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "Broken promise: %s\n", what);
  std::abort();
}

}  // namespace vxfuzz
