#include "windows/picture_fingerprint.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "runtime/memory.h"

namespace vx {
namespace {

constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15ull;  // 2^64 / golden ratio, odd

inline uint64_t mix(uint64_t h, uint64_t word) {
  h ^= word;
  h *= Multiplier;
  return h ^ (h >> 29);
}

inline uint64_t loadword(const uint8_t* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Four independent lanes keep the multiplier busy: one chain alone would wait
// on each multiplication before the next word.
uint64_t hashbytes(const uint8_t* data, size_t size, uint64_t seed) {
  uint64_t lane[4] = {seed, seed ^ 1, seed ^ 2, seed ^ 3};
  size_t i = 0;
  for (; i + 32 <= size; i += 32)
    for (int l = 0; l < 4; ++l) lane[l] = mix(lane[l], loadword(data + i + 8 * l));
  uint64_t h = mix(mix(lane[0], lane[1]), mix(lane[2], lane[3]));
  for (; i + 8 <= size; i += 8) h = mix(h, loadword(data + i));
  for (; i < size; ++i) h = mix(h, data[i]);
  return mix(h, size);
}

}  // namespace

uint64_t picturefingerprint(const StoredPicture& s) {
  uint64_t h = mix(mix(mix(0, static_cast<uint64_t>(s.width)), static_cast<uint64_t>(s.height)),
                   static_cast<uint64_t>(s.depth));
  if (s.data == nullptr || s.rowbytes <= 0 || s.height <= 0) return h;
  // The rows of a picture lie back to back in the toolkit memory; they are
  // copied out a piece at a time, as the program thread may be drawing.
  constexpr size_t Piece = 64 * 1024;
  thread_local std::vector<uint8_t> piece(Piece);
  const auto size = static_cast<size_t>(s.rowbytes * s.height);
  for (size_t at = 0; at < size; at += Piece) {
    const size_t count = std::min(Piece, size - at);
    readpicturebytes(s.data + at, count, piece.data());
    h = hashbytes(piece.data(), count, h);
  }
  return h;
}

}  // namespace vx
