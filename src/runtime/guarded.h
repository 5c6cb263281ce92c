#pragma once
/// \file
/// Containers that several threads share: every access takes the lock, and
/// readers get copies, so no caller ever holds a reference into shared state.
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace vx {

/// One value that several threads read and replace; get() answers a copy.
template <typename T>
class Guarded {
 public:
  Guarded() = default;
  explicit Guarded(T value) : value_(std::move(value)) {}  ///< holds `value` at first
  T get() const {  ///< a copy of the value
    std::lock_guard lock(mutex_);
    return value_;
  }
  void set(T value) {  ///< replaces the value
    std::lock_guard lock(mutex_);
    value_ = std::move(value);
  }

 private:
  mutable std::mutex mutex_;
  T value_{};
};

/// An ordered list that is only appended to, read by index and updated in place.
template <typename T>
class GuardedList {
 public:
  void append(T item) {  ///< adds `item` at the end
    std::lock_guard lock(mutex_);
    items_.push_back(std::move(item));
  }
  int64_t size() const {  ///< how many items there are
    std::lock_guard lock(mutex_);
    return static_cast<int64_t>(items_.size());
  }
  std::optional<T> at(int64_t index) const {  ///< a copy of item `index` (from 0); none outside the list
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int64_t>(items_.size())) return std::nullopt;
    return items_[index];
  }
  /// Runs `change` on the item under the lock; false if there is no such index.
  bool update(int64_t index, const std::function<void(T&)>& change) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int64_t>(items_.size())) return false;
    change(items_[index]);
    return true;
  }
  /// Index of the first item that satisfies `match`, or -1.
  int64_t find(const std::function<bool(const T&)>& match) const {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < items_.size(); ++i)
      if (match(items_[i])) return static_cast<int64_t>(i);
    return -1;
  }
  std::vector<T> snapshot() const {  ///< a copy of every item, in order
    std::lock_guard lock(mutex_);
    return items_;
  }
  /// Removes and returns the first item (for queues that are consumed).
  std::optional<T> takefirst() {
    std::lock_guard lock(mutex_);
    if (items_.empty()) return std::nullopt;
    T first = std::move(items_.front());
    items_.erase(items_.begin());
    return first;
  }
  void clear() {  ///< removes every item
    std::lock_guard lock(mutex_);
    items_.clear();
  }

 private:
  mutable std::mutex mutex_;
  std::vector<T> items_;
};

}  // namespace vx
