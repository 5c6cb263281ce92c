// Packing and unpacking of bits and nibbles, row by row.
#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "codecs/packing.h"
#include "runtime/log.h"

namespace vx {
namespace {

// Values per byte and bits per value of one packing.
struct Layout {
  const char* packer;
  const char* unpacker;
  int perbyte;
  int bits;
};

constexpr Layout Bits{"binarybooltopackedbool", "packedbooltobinarybool", 8, 1};
constexpr Layout Nibbles{"binarynibbletopackednibble", "packednibbletobinarynibble", 2, 4};

uint8_t significant(const Layout& layout, uint8_t value) {
  if (layout.bits == 1) return value != 0 ? 1 : 0;
  return value & 0x0F;
}

// One byte of up to `perbyte` values, the first in the highest bits.
uint8_t packgroup(const Layout& layout, const uint8_t* values, int64_t count) {
  uint8_t byte = 0;
  for (int64_t i = 0; i < count; ++i)
    byte |= static_cast<uint8_t>(significant(layout, values[i]) << (8 - layout.bits * (i + 1)));
  return byte;
}

// Eight truth values to one byte, the first in bit 7. Where the eight bytes
// can be read as one little-endian word, the top bit of every non-zero byte
// is set without a carry crossing into the next byte, and one multiplication
// gathers the eight top bits, each to its own place, into the word's highest
// byte (no two partial products meet, so nothing carries).
uint8_t packeightbits(const uint8_t* v) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    uint64_t word = 0;
    std::memcpy(&word, v, sizeof word);
    const uint64_t tops = (word | ((word & low7) + low7)) & ~low7;
    return static_cast<uint8_t>(((tops >> 7) * 0x8040201008040201ULL) >> 56);
  } else {
    uint8_t byte = 0;
    for (int i = 0; i < 8; ++i) byte |= static_cast<uint8_t>((v[i] != 0) << (7 - i));
    return byte;
  }
}

// Packs row by row: the whole groups of a row, then its last, shorter group.
// Without a usable width the input is one row that never ends.
std::vector<uint8_t> pack(const Layout& layout, const std::vector<uint8_t>& values,
                          int64_t width) {
  std::vector<uint8_t> out;
  out.reserve(values.size() / static_cast<size_t>(layout.perbyte) + 1);
  const auto total = static_cast<int64_t>(values.size());
  const int64_t rowlength = width > 0 ? width : total;
  for (int64_t start = 0; start < total; start += rowlength) {
    const int64_t count = std::min(rowlength, total - start);
    const uint8_t* row = values.data() + start;
    const int64_t whole = count / layout.perbyte * layout.perbyte;
    if (layout.perbyte == 8) {
      const size_t first = out.size();
      out.resize(first + static_cast<size_t>(whole / 8));
      for (int64_t i = 0; i < whole; i += 8) out[first + static_cast<size_t>(i / 8)] = packeightbits(row + i);
    } else {
      for (int64_t i = 0; i < whole; i += layout.perbyte)
        out.push_back(packgroup(layout, row + i, layout.perbyte));
    }
    if (whole == count) continue;
    out.push_back(packgroup(layout, row + whole, count - whole));
    if (width <= 0 || count < width) {
      // The input ended inside a row.
      log(std::string(layout.packer) + ": Appending one Byte = " + std::to_string(out.back()));
    }
  }
  return out;
}

int64_t bytesfor(const Layout& layout, int64_t values) {
  return values / layout.perbyte + (values % layout.perbyte != 0 ? 1 : 0);
}

std::vector<uint8_t> unpack(const Layout& layout, const std::vector<uint8_t>& packed,
                            int64_t width, int64_t count) {
  if (count <= 0) return {};
  const int64_t rowwidth = width > 0 ? width : count;
  const int64_t rows = count / rowwidth;
  const int64_t rest = count % rowwidth;
  const int64_t rowbytes = bytesfor(layout, rowwidth);
  const int64_t needed = rows * rowbytes + bytesfor(layout, rest);
  if (needed > static_cast<int64_t>(packed.size())) {
    log(std::string(layout.unpacker) + ": " + std::to_string(count) + " values need " +
        std::to_string(needed) + " bytes, there are " + std::to_string(packed.size()) + ".");
    return {};
  }
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(count));
  const int mask = (1 << layout.bits) - 1;
  for (int64_t i = 0; i < count; ++i) {
    const int64_t row = i / rowwidth;
    const int64_t column = i % rowwidth;
    const uint8_t byte = packed[static_cast<size_t>(row * rowbytes + column / layout.perbyte)];
    const int shift = 8 - layout.bits * static_cast<int>(column % layout.perbyte + 1);
    out.push_back(static_cast<uint8_t>((byte >> shift) & mask));
  }
  return out;
}

}  // namespace

std::vector<uint8_t> binarybooltopackedbool(const std::vector<uint8_t>& values, int64_t width) {
  return pack(Bits, values, width);
}

std::vector<uint8_t> binarynibbletopackednibble(const std::vector<uint8_t>& values,
                                                int64_t width) {
  return pack(Nibbles, values, width);
}

std::vector<uint8_t> packedbooltobinarybool(const std::vector<uint8_t>& packed, int64_t width,
                                            int64_t count) {
  return unpack(Bits, packed, width, count);
}

std::vector<uint8_t> packednibbletobinarynibble(const std::vector<uint8_t>& packed,
                                                int64_t width, int64_t count) {
  return unpack(Nibbles, packed, width, count);
}

}  // namespace vx
