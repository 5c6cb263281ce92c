#include "fuzz_support.h"

#include <sanitizer/allocator_interface.h>

#include <algorithm>
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

namespace {

thread_local bool counting = false;
thread_local int64_t held = 0;
thread_local int64_t peak = 0;

void onallocate(const volatile void*, size_t size) {
  if (!counting) return;
  held += static_cast<int64_t>(size);
  peak = std::max(peak, held);
}

void onfree(const volatile void* block) {
  if (counting && block != nullptr)
    held -= static_cast<int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(block)));
}

}  // namespace

void startheapcount() {
  static const bool installed = __sanitizer_install_malloc_and_free_hooks(onallocate, onfree) != 0;
  require(installed, "the allocation hooks could not be installed");
  held = peak = 0;
  counting = true;
}

int64_t heapcountpeak() {
  counting = false;
  return peak;
}

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "Broken promise: %s\n", what);
  std::abort();
}

}  // namespace vxfuzz
