#pragma once
/// \file
/// A record field that several threads read and write (the refresh thread, the
/// main thread's views and the program thread). It behaves like a plain value in
/// a copyable record but every access is atomic.
#include <atomic>

namespace vx {

/// A value of type T whose every read and write is atomic, copyable like the
/// plain value it stands for.
template <typename T>
class Shared {
 public:
  Shared() = default;
  /// Holds `value` (implicit, so that the field reads like the plain one).
  Shared(T value) : value_(value) {}  // NOLINT: implicit, reads like the plain field
  Shared(const Shared& other) : value_(other.value_.load()) {}  ///< takes the other's value
  /// Takes the other's value.
  Shared& operator=(const Shared& other) {
    value_.store(other.value_.load());
    return *this;
  }
  /// Stores `value`.
  Shared& operator=(T value) {
    value_.store(value);
    return *this;
  }
  /// The value (implicit, as the plain field reads).
  operator T() const { return value_.load(); }  // NOLINT
  T load() const { return value_.load(); }  ///< the value

 private:
  std::atomic<T> value_{};
};

}  // namespace vx
