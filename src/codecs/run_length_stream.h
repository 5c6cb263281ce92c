#pragma once
// The pieces of a run-length stream shared by its writer and reader.
#include <cstdint>
#include <vector>

namespace vx::rledetail {

// Count bytes after a marker element.
inline constexpr uint64_t LongestShortRun = 3;    // 1..3: copies of the marker
inline constexpr uint64_t LongestByteCount = 239;  // 4..239: the count itself
inline constexpr uint8_t WordCount = 240;          // a 16-bit count follows
inline constexpr uint8_t LongCount = 241;          // a 32-bit count follows
inline constexpr uint64_t LongestRun = 0xFFFFFFFF;

inline uint32_t loadelement(const uint8_t* p, int width) {
  uint32_t value = 0;
  for (int i = 0; i < width; ++i) value = (value << 8) | p[i];
  return value;
}

inline void appendbigendian(std::vector<uint8_t>& out, uint64_t value, int width) {
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

// Writes one run; answers the length of a run of the marker itself that had to
// be written short (1..3), else 0, for the encoders that report those.
// A run longer than a 32-bit count can hold is written as several runs, so
// that no count is ever cut.
uint64_t appendrun(std::vector<uint8_t>& out, int width, uint32_t marker, uint32_t value,
                   uint64_t length);

}  // namespace vx::rledetail
