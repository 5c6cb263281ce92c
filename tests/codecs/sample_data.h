#pragma once
// Reproducible test inputs of different shapes, from a fixed-seed generator.
#include <cstdint>
#include <random>
#include <vector>

namespace codectest {

using Bytes = std::vector<uint8_t>;

class SampleData {
 public:
  explicit SampleData(uint32_t seed) : rng_(seed) {}

  // Independent bytes from 0 to `largest`.
  Bytes random(size_t length, uint8_t largest = 255) {
    std::uniform_int_distribution<int> byte(0, largest);
    Bytes out(length);
    for (auto& b : out) b = static_cast<uint8_t>(byte(rng_));
    return out;
  }

  // Runs of whole elements of `width` bytes, each run repeating one element
  // drawn from a small set, with lengths up to `longest`.
  Bytes runs(size_t elements, int width, size_t longest) {
    const Bytes alphabet = random(static_cast<size_t>(width) * 4);
    std::uniform_int_distribution<size_t> length(1, longest);
    std::uniform_int_distribution<size_t> pick(0, 3);
    Bytes out;
    while (out.size() < elements * static_cast<size_t>(width)) {
      const size_t choice = pick(rng_) * static_cast<size_t>(width);
      for (size_t n = length(rng_); n > 0 && out.size() < elements * width; --n)
        out.insert(out.end(), alphabet.begin() + choice, alphabet.begin() + choice + width);
    }
    return out;
  }

  size_t below(size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(rng_); }

 private:
  std::mt19937 rng_;
};

}  // namespace codectest
