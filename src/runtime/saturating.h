#pragma once
// Arithmetic on values callers hand in (coordinates, sizes, counts, record
// fields a program may have set to anything): it saturates at the ends of
// Int instead of overflowing, and a floating-point value becomes the nearest
// Int, cut toward zero, with not-a-number as 0.
#include <cmath>
#include <cstdint>
#include <limits>

namespace vx {

constexpr int64_t IntMax = std::numeric_limits<int64_t>::max();
constexpr int64_t IntMin = std::numeric_limits<int64_t>::min();

constexpr int64_t satadd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? IntMax : IntMin;
}

constexpr int64_t satsub(int64_t a, int64_t b) {
  int64_t difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? IntMax : IntMin;
}

constexpr int64_t satmul(int64_t a, int64_t b) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product)) return product;
  return (a < 0) == (b < 0) ? IntMax : IntMin;
}

// A host coordinate or size as Int: cut toward zero, beyond the range the
// nearest end, not-a-number 0.
inline int64_t truncatedint(double value) {
  if (std::isnan(value)) return 0;
  // 2^63 is the first double beyond Int; -2^63 is Int's smallest value.
  if (value >= 9223372036854775808.0) return IntMax;
  if (value < -9223372036854775808.0) return IntMin;
  return static_cast<int64_t>(value);
}

}  // namespace vx
