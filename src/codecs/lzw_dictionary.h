#pragma once
// The encoder's dictionary: it maps a string, known by the code of all but its
// last byte (the prefix) and that last byte, to the string's own code. This
// keeps each look-up constant in cost, however long the strings grow.
//
// Strings of two bytes are looked up directly in a table of 65536 codes, which
// stays in the processor's cache. On large inputs with many different
// three-byte strings (data that hardly compresses) these are looked up
// directly too, in a table of 2^24 codes. Longer strings live in an
// open-addressing hash table with linear probing that doubles when half full;
// while every code fits in 28 bits a slot packs key and code into one 64-bit
// word.
//
// A long string's slot is found from a hash of its bytes that the encoder
// keeps up as the string grows (`stringhash`). The key of the next look-up is
// known only once this one has answered, but the bytes are known ahead, so the
// encoder can ask the memory for coming slots early (`prefetch`). On data that
// hardly compresses the tables outgrow the caches, and that is what keeps the
// encoder fast there.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// The per-byte work must sit in the encoder's loop itself, with its state in
// registers, or a call per byte costs more than the work.
#if defined(__GNUC__)
#define VX_LZW_PER_BYTE [[gnu::always_inline]] inline
#else
#define VX_LZW_PER_BYTE inline
#endif

namespace vx::lzwdetail {

// Inputs shorter than this never define a code of 28 bits or more.
inline constexpr uint64_t PackedInputLimit = (uint64_t{1} << 28) - 256;
// From this input length on, three-byte strings get their direct table.
inline constexpr uint64_t TripleTableInput = uint64_t{1} << 20;

// The hash of a string one byte longer than the string of hash `h`; the
// empty string's hash is EmptyStringHash. The bytes are mixed in by xor and
// multiplication, not by addition alone, which would leave the slots of
// similar strings in regular patterns; and the step is short, since every
// byte of a long string waits for it.
inline constexpr uint64_t EmptyStringHash = 0xCBF29CE484222325ULL;
inline uint64_t stringhash(uint64_t h, uint8_t byte) { return (h ^ byte) * 0x9E3779B97F4A7C15ULL; }

// Asks the memory for the line holding `address` ahead of its use. (The
// compiler's own prefetch is dropped as dead code by some optimisers when
// nothing else uses the address, hence the instruction.)
inline void prefetch(const void* address) {
#if defined(__GNUC__) && defined(__x86_64__)
  asm volatile("prefetcht0 %0" : : "m"(*static_cast<const char*>(address)));
#elif defined(__GNUC__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

// A slot: (code << 36) | (prefix << 8) | byte; 0 marks an empty slot, which no
// stored key can be since every prefix in this table is at least 256.
struct PackedSlots {
  using Slot = uint64_t;
  using Code = uint32_t;
  static constexpr bool TripleTable = true;
  static bool empty(Slot s) { return s == 0; }
  static uint64_t key(Slot s) { return s & ((uint64_t{1} << 36) - 1); }
  static uint64_t code(Slot s) { return s >> 36; }
  static Slot make(uint64_t key, uint64_t code) { return (code << 36) | key; }
};

// For very large inputs: key and code side by side.
struct WideSlots {
  struct Slot {
    uint64_t key;
    uint64_t code;
  };
  using Code = uint64_t;
  static constexpr bool TripleTable = false;
  static bool empty(const Slot& s) { return s.key == 0; }
  static uint64_t key(const Slot& s) { return s.key; }
  static uint64_t code(const Slot& s) { return s.code; }
  static Slot make(uint64_t key, uint64_t code) { return {key, code}; }
};

// A zeroed array of trivial values, fresh from the system, whose pages are
// zero already and cost nothing until touched. Arrays that are used densely
// ask for huge pages: with small pages nearly every random probe of a large
// table would also miss the address translation cache.
template <typename T>
class ZeroedArray {
 public:
  ZeroedArray(size_t count, bool dense) : count_(count), bytes_(count * sizeof(T)) {
#if defined(__linux__)
    if (bytes_ >= HugePage) {
      bytes_ = (bytes_ + HugePage - 1) / HugePage * HugePage;
      void* memory = ::mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                            -1, 0);
      if (memory == MAP_FAILED) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
      if (dense) ::madvise(memory, bytes_, MADV_HUGEPAGE);
#endif
      data_ = static_cast<T*>(memory);
      mapped_ = true;
      return;
    }
#endif
    (void)dense;
    data_ = static_cast<T*>(std::calloc(count, sizeof(T)));
    if (data_ == nullptr && count != 0) throw std::bad_alloc();
  }
  ZeroedArray(const ZeroedArray&) = delete;
  ZeroedArray& operator=(const ZeroedArray&) = delete;
  ZeroedArray(ZeroedArray&& other) noexcept { swap(other); }
  ZeroedArray& operator=(ZeroedArray&& other) noexcept {
    swap(other);
    return *this;
  }
  ~ZeroedArray() {
#if defined(__linux__)
    if (mapped_) {
      ::munmap(data_, bytes_);
      return;
    }
#endif
    std::free(data_);
  }

  size_t size() const { return count_; }
  T& operator[](size_t i) { return data_[i]; }
  const T* at(size_t i) const { return data_ + i; }

 private:
  static constexpr size_t HugePage = size_t{2} << 20;
  void swap(ZeroedArray& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(count_, other.count_);
    std::swap(bytes_, other.bytes_);
    std::swap(mapped_, other.mapped_);
  }
  T* data_ = nullptr;
  size_t count_ = 0;
  size_t bytes_ = 0;
  bool mapped_ = false;
};

// Answers of the look-ups: the code of the string if known; otherwise the
// string is entered with `newcode` and the answer is 0 (no string of two or
// more bytes has a code below 256).
template <typename Slots>
class Dictionary {
 public:
  explicit Dictionary(bool triples)
      : pairs_(65536, false), triples_(triples ? size_t{1} << 24 : 0, true),
        slots_(InitialSlots, true), hashes_(InitialSlots, true),
        shift_(64 - std::countr_zero(InitialSlots)) {}

  bool hastriples() const { return triples_.size() != 0; }
  bool outgrowscaches() const {
    return hastriples() || slots_.size() * sizeof(typename Slots::Slot) > (size_t{2} << 20);
  }

  VX_LZW_PER_BYTE uint64_t pair(uint8_t first, uint8_t byte, uint64_t newcode) {
    return direct(pairs_[(size_t{first} << 8) | byte], newcode);
  }

  VX_LZW_PER_BYTE uint64_t triple(uint32_t bytes, uint64_t newcode) {
    return direct(triples_[bytes], newcode);
  }
  void prefetchtriple(uint32_t bytes) const { prefetch(triples_.at(bytes)); }

  // A string of three or more bytes (four or more with the triple table).
  VX_LZW_PER_BYTE uint64_t longer(uint64_t prefix, uint8_t byte, uint64_t hash, uint64_t newcode) {
    const uint64_t key = (prefix << 8) | byte;
    const uint64_t mask = slots_.size() - 1;
    for (uint64_t i = hash >> shift_;; i = (i + 1) & mask) {
      auto& slot = slots_[i];
      if (Slots::empty(slot)) {
        slot = Slots::make(key, newcode);
        hashes_[i] = hash;
        if (++count_ * 2 > slots_.size()) grow();
        return 0;
      }
      if (Slots::key(slot) == key) return Slots::code(slot);
    }
  }
  void prefetchlonger(uint64_t hash) const { prefetch(slots_.at(hash >> shift_)); }

 private:
  static constexpr uint64_t InitialSlots = 1 << 12;

  VX_LZW_PER_BYTE static uint64_t direct(typename Slots::Code& entry, uint64_t newcode) {
    if (entry != 0) return entry;
    entry = static_cast<typename Slots::Code>(newcode);
    return 0;
  }

  void grow() {
    // Made at twice the size, then swapped in: the names tell what they hold after.
    ZeroedArray<typename Slots::Slot> oldslots(slots_.size() * 2, true);
    ZeroedArray<uint64_t> oldhashes(slots_.size() * 2, true);
    std::swap(oldslots, slots_);
    std::swap(oldhashes, hashes_);
    --shift_;
    const uint64_t mask = slots_.size() - 1;
    for (size_t s = 0; s < oldslots.size(); ++s) {
      if (Slots::empty(oldslots[s])) continue;
      uint64_t i = oldhashes[s] >> shift_;
      while (!Slots::empty(slots_[i])) i = (i + 1) & mask;
      slots_[i] = oldslots[s];
      hashes_[i] = oldhashes[s];
    }
  }

  ZeroedArray<typename Slots::Code> pairs_;
  ZeroedArray<typename Slots::Code> triples_;
  ZeroedArray<typename Slots::Slot> slots_;
  // Beside each slot its string's hash: a slot does not tell its string's
  // bytes, and growing needs the hash again.
  ZeroedArray<uint64_t> hashes_;
  int shift_;
  uint64_t count_ = 0;
};

}  // namespace vx::lzwdetail
