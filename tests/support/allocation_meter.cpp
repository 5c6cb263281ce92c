#include "allocation_meter.h"

#include <malloc.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> largest{0};
// Bytes held now, as the allocator counts them, and the most since the reset.
std::atomic<int64_t> held{0};
std::atomic<int64_t> baseline{0};
std::atomic<int64_t> peak{0};

void raise(std::atomic<int64_t>& to, int64_t value) {
  int64_t seen = to.load(std::memory_order_relaxed);
  while (value > seen && !to.compare_exchange_weak(seen, value, std::memory_order_relaxed)) {
  }
}

void* allocate(size_t size) {
  size_t seen = largest.load(std::memory_order_relaxed);
  while (size > seen && !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
  }
  if (void* p = std::malloc(size != 0 ? size : 1)) {
    const auto now = held.fetch_add(static_cast<int64_t>(malloc_usable_size(p)), std::memory_order_relaxed);
    raise(peak, now + static_cast<int64_t>(malloc_usable_size(p)));
    return p;
  }
  throw std::bad_alloc();
}

void release(void* p) {
  if (p == nullptr) return;
  held.fetch_sub(static_cast<int64_t>(malloc_usable_size(p)), std::memory_order_relaxed);
  std::free(p);
}
}  // namespace

namespace vxtest {
void resetallocations() {
  largest.store(0);
  baseline.store(held.load());
  peak.store(held.load());
}
size_t largestallocation() { return largest.load(); }
size_t peakallocation() { return static_cast<size_t>(peak.load() - baseline.load()); }
}  // namespace vxtest

void* operator new(size_t size) { return allocate(size); }
void* operator new[](size_t size) { return allocate(size); }
// The standard library asks for some buffers without exceptions (a merge's
// temporary buffer): they must come from here too, or their sized delete
// would hand this file memory it did not give.
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  try {
    return allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, size_t) noexcept { release(p); }
void operator delete[](void* p, size_t) noexcept { release(p); }
