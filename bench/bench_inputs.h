#pragma once
// The inputs the codec benchmarks encode, 8 MiB each, the same on every run.
#include <cstdint>
#include <vector>

namespace vxbench {

inline constexpr int64_t PictureSide = 8192;  // 8192 x 8192 bits = 8 MiB packed

// A one-bit picture of a radial star of alternating wedges inside a circle,
// packed eight pixels to a byte: long runs of 0x00 and 0xFF, rows that repeat
// with small shifts, and a little noise of mixed bytes at the wedge edges.
const std::vector<uint8_t>& packedstar();
// 8 MiB of bytes from a fixed-seed generator.
const std::vector<uint8_t>& randombytes();

}  // namespace vxbench
