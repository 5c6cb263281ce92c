#include "windows/picture_fingerprint.h"

#include <cstring>

namespace vx {
namespace {

constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15ull;  // 2^64 / golden ratio, odd
constexpr uint64_t Key = 0xE7037ED1A0B428DBull;

inline uint64_t mix(uint64_t h, uint64_t word) {
  h ^= word;
  h *= Multiplier;
  return h ^ (h >> 29);
}

// Both halves of the 128-bit product: every bit of either factor reaches
// the result, in one multiplication for sixteen bytes.
inline uint64_t foldedproduct(uint64_t a, uint64_t b) {
  __extension__ using Wide = unsigned __int128;
  const Wide product = static_cast<Wide>(a) * b;
  return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

inline uint64_t loadword(const uint8_t* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The refresh reads the picture in the toolkit memory directly, without
// copying it out first: a copy would read the picture from memory and then
// again from the cache, at twice the cost, thirty times a second. The program
// thread may be drawing meanwhile (a torn read only means one more redraw);
// this is the one reader of picture bytes besides readpicturebytes
// (runtime/memory.h) and stays a function of its own that reads nothing else,
// as the ThreadSanitizer suppressions name it.
//
// Four independent lanes of sixteen bytes keep the multiplier busy: one
// chain alone would wait on each product before the next block. The lane's
// own value is kept in, so a block whose product happens to be zero does not
// wipe out what came before it.
[[gnu::noinline]] uint64_t hashpicturebytes(const uint8_t* data, size_t size, uint64_t seed) {
  constexpr size_t Lanes = 4;
  constexpr size_t Block = 16 * Lanes;
  uint64_t lane[Lanes];
  for (size_t l = 0; l < Lanes; ++l) lane[l] = seed ^ l;
  size_t i = 0;
  for (; i + Block <= size; i += Block)
    for (size_t l = 0; l < Lanes; ++l) {
      const uint8_t* p = data + i + 16 * l;
      lane[l] ^= foldedproduct(lane[l] ^ loadword(p), Key ^ loadword(p + 8));
    }
  uint64_t h = lane[0];
  for (size_t l = 1; l < Lanes; ++l) h = mix(h, lane[l]);
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
