#pragma once
// A record field that several threads read and write (the refresh thread, the
// main thread's views and the program thread). It behaves like a plain value in
// a copyable record but every access is atomic.
#include <atomic>

namespace vx {

template <typename T>
class Shared {
 public:
  Shared() = default;
  Shared(T value) : value_(value) {}  // NOLINT: implicit, reads like the plain field
  Shared(const Shared& other) : value_(other.value_.load()) {}
  Shared& operator=(const Shared& other) {
    value_.store(other.value_.load());
    return *this;
  }
  Shared& operator=(T value) {
    value_.store(value);
    return *this;
  }
  Shared& operator+=(T step) {
    value_.fetch_add(step);
    return *this;
  }
  Shared& operator-=(T step) {
    value_.fetch_sub(step);
    return *this;
  }
  operator T() const { return value_.load(); }  // NOLINT
  T load() const { return value_.load(); }

 private:
  std::atomic<T> value_{};
};

}  // namespace vx
