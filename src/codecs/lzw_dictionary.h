#pragma once
// The encoder's dictionary: it maps a string, known by the code of all but its
// last byte (the prefix) and that last byte, to the string's own code. This
// keeps each look-up constant in cost, however long the strings grow.
//
// Two-byte strings are looked up directly in a table of 65536 codes, which
// stays in the processor's cache. Longer strings live in an open-addressing
// hash table with linear probing that doubles when half full. When every code
// of the input fits in 28 bits, a slot packs key and code into one 64-bit
// word, so a probe touches a single cache line.
#include <bit>
#include <cstdint>
#include <vector>

namespace vx::lzwdetail {

// Inputs shorter than this never define a code of 28 bits or more.
inline constexpr uint64_t PackedInputLimit = (uint64_t{1} << 28) - 256;

inline uint64_t spread(uint64_t key) { return key * 0x9E3779B97F4A7C15ULL; }

// A slot: (code << 36) | (prefix << 8) | byte; 0 marks an empty slot, which no
// stored key can be since every prefix in this table is at least 256.
class PackedSlots {
 public:
  using Slot = uint64_t;
  using PairCode = uint32_t;
  static bool empty(Slot s) { return s == 0; }
  static uint64_t key(Slot s) { return s & KeyMask; }
  static uint64_t code(Slot s) { return s >> 36; }
  static Slot make(uint64_t key, uint64_t code) { return (code << 36) | key; }

 private:
  static constexpr uint64_t KeyMask = (uint64_t{1} << 36) - 1;
};

// For very large inputs: key and code side by side.
class WideSlots {
 public:
  using PairCode = uint64_t;
  struct Slot {
    uint64_t key = 0;
    uint64_t code = 0;
  };
  static bool empty(const Slot& s) { return s.key == 0; }
  static uint64_t key(const Slot& s) { return s.key; }
  static uint64_t code(const Slot& s) { return s.code; }
  static Slot make(uint64_t key, uint64_t code) { return {key, code}; }
};

template <typename Slots>
class Dictionary {
 public:
  Dictionary() : pairs_(65536, 0), slots_(InitialSlots), shift_(64 - std::countr_zero(InitialSlots)) {}

  // The code of prefix + byte if the string is known; otherwise the string is
  // entered with `newcode` and the answer is 0 (no string of two or more bytes
  // has a code below 256).
  uint64_t findoradd(uint64_t prefix, uint8_t byte, uint64_t newcode) {
    if (prefix < 256) {
      auto& pair = pairs_[(prefix << 8) | byte];
      if (pair != 0) return pair;
      pair = static_cast<typename Slots::PairCode>(newcode);
      return 0;
    }
    const uint64_t key = (prefix << 8) | byte;
    const uint64_t mask = slots_.size() - 1;
    for (uint64_t i = spread(key) >> shift_;; i = (i + 1) & mask) {
      auto& slot = slots_[i];
      if (Slots::empty(slot)) {
        slot = Slots::make(key, newcode);
        if (++count_ * 2 > slots_.size()) grow();
        return 0;
      }
      if (Slots::key(slot) == key) return Slots::code(slot);
    }
  }

 private:
  static constexpr uint64_t InitialSlots = 1 << 12;

  void grow() {
    std::vector<typename Slots::Slot> old(slots_.size() * 2);
    old.swap(slots_);
    --shift_;
    const uint64_t mask = slots_.size() - 1;
    for (const auto& slot : old) {
      if (Slots::empty(slot)) continue;
      uint64_t i = spread(Slots::key(slot)) >> shift_;
      while (!Slots::empty(slots_[i])) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::vector<typename Slots::PairCode> pairs_;
  std::vector<typename Slots::Slot> slots_;
  int shift_;
  uint64_t count_ = 0;
};

}  // namespace vx::lzwdetail
