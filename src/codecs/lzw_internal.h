#pragma once
// Inner routines shared by the LZW encoder, the code packer and the stored
// form, which packs straight from 32-bit codes when they are short enough.
#include <cstdint>
#include <vector>

#include "codecs/lzw_dictionary.h"

namespace vx::lzwdetail {

// Encodes an input shorter than PackedInputLimit, whose codes all fit 32 bits,
// into `codes`; answers the code width.
int64_t encodeshort(const std::vector<uint8_t>& data, std::vector<uint32_t>& codes);

// Appends the low `width` bits (1..64) of each code, most significant first.
void packcodes(const uint32_t* codes, size_t count, int64_t width, std::vector<uint8_t>& out);
void packcodes(const int64_t* codes, size_t count, int64_t width, std::vector<uint8_t>& out);

}  // namespace vx::lzwdetail
