#include "windows/picture_fingerprint.h"

#include <cstring>

namespace vx {
namespace {

constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15ull;  // 2^64 / golden ratio, odd

inline uint64_t mix(uint64_t h, uint64_t word) {
  h ^= word;
  h *= Multiplier;
  return h ^ (h >> 29);
}

// Where the machine multiplies two 64-bit words into 128 bits in one
// instruction, each lane takes sixteen bytes a step: both halves of the
// product, so that every bit of either factor reaches the result. WebAssembly
// has no such instruction (the product would be a library call per block);
// there each of eight lanes is a polynomial in its 32-bit words (the lane
// times an odd constant plus the next word), which the compiler turns into
// vector instructions that take 32 bytes a step. A changed word changes its
// lane: the change times a power of an odd number is never 0 modulo 2^32.
#if defined(__SIZEOF_INT128__) && !defined(__wasm__)
constexpr size_t LaneBytes = 16;
constexpr uint64_t Key = 0xE7037ED1A0B428DBull;
inline uint64_t foldedproduct(uint64_t a, uint64_t b) {
  __extension__ using Wide = unsigned __int128;
  const Wide product = static_cast<Wide>(a) * b;
  return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}
constexpr size_t Lanes = 4;
#else
constexpr size_t LaneBytes = 4;
constexpr size_t Lanes = 8;
constexpr uint32_t Multiplier32 = 0x9E3779B1u;  // 2^32 / golden ratio, odd

inline uint32_t loadword32(const uint8_t* p) {
  uint32_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}
#endif

// Reads picture bytes for hashpicturebytes, so left uninstrumented as it is.
__attribute__((no_sanitize("thread"))) inline uint64_t loadword(const uint8_t* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The refresh reads the picture in the toolkit memory directly, without
// copying it out first: a copy would read the picture from memory and then
// again from the cache, at twice the cost, thirty times a second. The program
// thread may be drawing meanwhile (a torn read only means one more redraw);
// this is the one reader of picture bytes besides readpicturebytes
// (runtime/memory.h) and stays a function of its own that reads nothing else.
// ThreadSanitizer does not instrument it, for the reason readpicturebytes
// gives.
//
// Four independent lanes keep the multiplier busy: one chain alone would
// wait on each product before the next block. The lane's own value is kept
// in, so a block whose product happens to be zero does not wipe out what came
// before it.
[[gnu::noinline]] __attribute__((no_sanitize("thread"))) uint64_t hashpicturebytes(const uint8_t* data, size_t size,
                                                                                    uint64_t seed) {
  constexpr size_t Block = LaneBytes * Lanes;
#if defined(__SIZEOF_INT128__) && !defined(__wasm__)
  uint64_t lane[Lanes];
  for (size_t l = 0; l < Lanes; ++l) lane[l] = seed ^ l;
#else
  uint32_t lane[Lanes];
  for (size_t l = 0; l < Lanes; ++l) lane[l] = static_cast<uint32_t>(seed ^ (seed >> 32)) ^ static_cast<uint32_t>(l);
#endif
  size_t i = 0;
  for (; i + Block <= size; i += Block)
    for (size_t l = 0; l < Lanes; ++l) {
      const uint8_t* p = data + i + LaneBytes * l;
#if defined(__SIZEOF_INT128__) && !defined(__wasm__)
      lane[l] ^= foldedproduct(lane[l] ^ loadword(p), Key ^ loadword(p + 8));
#else
      lane[l] = lane[l] * Multiplier32 + loadword32(p);
#endif
    }
  uint64_t h = seed;
  for (size_t l = 0; l < Lanes; ++l) h = mix(h, lane[l]);
  for (; i + 8 <= size; i += 8) h = mix(h, loadword(data + i));
  for (; i < size; ++i) h = mix(h, data[i]);
  return mix(h, size);
}

}  // namespace

uint64_t picturefingerprint(const StoredPicture& s) {
  uint64_t h = mix(mix(mix(0, static_cast<uint64_t>(s.width)), static_cast<uint64_t>(s.height)),
                   static_cast<uint64_t>(s.depth));
  if (s.data == nullptr || s.rowbytes <= 0 || s.height <= 0) return h;
  // The rows of a picture lie back to back in the toolkit memory.
  h = hashpicturebytes(s.data, static_cast<size_t>(s.rowbytes * s.height), h);
  return h;
}

}  // namespace vx
