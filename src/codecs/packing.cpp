// Packing and unpacking of bits and nibbles, row by row.
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

std::vector<uint8_t> pack(const Layout& layout, const std::vector<uint8_t>& values,
                          int64_t width) {
  std::vector<uint8_t> out;
  out.reserve(values.size() / static_cast<size_t>(layout.perbyte) + 1);
  uint8_t current = 0;
  int ingroup = 0;
  int64_t inrow = 0;
  for (uint8_t value : values) {
    current |= static_cast<uint8_t>(significant(layout, value)
                                    << (8 - layout.bits * (ingroup + 1)));
    ++ingroup;
    ++inrow;
    const bool rowdone = inrow == width;
    if (ingroup == layout.perbyte || rowdone) {
      out.push_back(current);
      current = 0;
      ingroup = 0;
    }
    if (rowdone) inrow = 0;
  }
  if (ingroup > 0) {
    // The input ended inside a row.
    out.push_back(current);
    log(std::string(layout.packer) + ": Appending one Byte = " + std::to_string(current));
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
