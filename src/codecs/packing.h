#pragma once
/// \file
/// Packing of one-byte values with few significant bits, row by row: truth
/// values eight to a byte (first value in bit 7), nibbles two to a byte (first
/// in the high nibble). Every row starts on a new byte; the unused low bits of a
/// row's last byte are 0. A width of 0 or less means one row holding all values.
#include <cstdint>
#include <vector>

namespace vx {

/// Any non-zero value packs as 1.
std::vector<uint8_t> binarybooltopackedbool(const std::vector<uint8_t>& values, int64_t width);
/// Only the low four bits of each value are kept.
std::vector<uint8_t> binarynibbletopackednibble(const std::vector<uint8_t>& values,
                                                int64_t width);

/// The first `count` values (0 or 1; 0..15) back out of packed rows of `width`
/// values. Packed data too short for them gives an empty array and one line.
std::vector<uint8_t> packedbooltobinarybool(const std::vector<uint8_t>& packed, int64_t width,
                                            int64_t count);
/// The nibble form of packedbooltobinarybool: `count` values 0..15 out of
/// rows of `width` nibbles; too little packed data gives an empty array and one line.
std::vector<uint8_t> packednibbletobinarynibble(const std::vector<uint8_t>& packed,
                                                int64_t width, int64_t count);

}  // namespace vx
