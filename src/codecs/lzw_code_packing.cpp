// Codes of a fixed width packed into bytes and read back, most significant
// bit first, without gaps.
#include <string>

#include "codecs/lzw.h"
#include "runtime/log.h"

namespace vx {
namespace {

constexpr int64_t WidestCode = 64;

bool widthusable(const char* routine, int64_t width) {
  if (width >= 1 && width <= WidestCode) return true;
  log(std::string(routine) + ": Code width " + std::to_string(width) +
      " is not between 1 and 64.");
  return false;
}

uint64_t lowbits(uint64_t value, int64_t count) {
  return count >= 64 ? value : value & ((uint64_t{1} << count) - 1);
}

class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

  void append(uint64_t value, int64_t width) {
    if (width > 32) {
      append(value >> 32, width - 32);
      width = 32;
    }
    // Fewer than 8 bits wait in the accumulator, so 32 more always fit.
    pending_ = (pending_ << width) | lowbits(value, width);
    count_ += width;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<uint8_t>(pending_ >> count_));
    }
  }

  void finish() {
    if (count_ > 0) out_.push_back(static_cast<uint8_t>(pending_ << (8 - count_)));
    count_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint64_t pending_ = 0;
  int64_t count_ = 0;
};

// Widths up to 56 leave room for a whole byte next to the unfinished code.
std::vector<int64_t> unpacknarrow(const std::vector<uint8_t>& bytes, int64_t width) {
  std::vector<int64_t> codes;
  codes.reserve(bytes.size() * 8 / static_cast<size_t>(width));
  uint64_t pending = 0;
  int64_t count = 0;
  for (uint8_t byte : bytes) {
    pending = (pending << 8) | byte;
    count += 8;
    while (count >= width) {
      count -= width;
      codes.push_back(static_cast<int64_t>(lowbits(pending >> count, width)));
    }
  }
  return codes;
}

std::vector<int64_t> unpackwide(const std::vector<uint8_t>& bytes, int64_t width) {
  std::vector<int64_t> codes;
  uint64_t code = 0;
  int64_t count = 0;
  for (uint8_t byte : bytes) {
    for (int bit = 7; bit >= 0; --bit) {
      code = (code << 1) | ((byte >> bit) & 1u);
      if (++count == width) {
        codes.push_back(static_cast<int64_t>(code));
        code = 0;
        count = 0;
      }
    }
  }
  return codes;
}

}  // namespace

std::vector<uint8_t> lzwunpackedtopacked(const std::vector<int64_t>& codes, int64_t width) {
  if (!widthusable("lzwunpackedtopacked", width)) return {};
  std::vector<uint8_t> out;
  out.reserve(codes.size() * static_cast<size_t>(width) / 8 + 1);
  BitWriter writer(out);
  for (int64_t code : codes) writer.append(static_cast<uint64_t>(code), width);
  writer.finish();
  return out;
}

std::vector<int64_t> lzwpackedtounpacked(const std::vector<uint8_t>& bytes, int64_t width) {
  if (!widthusable("lzwpackedtounpacked", width)) return {};
  return width <= 56 ? unpacknarrow(bytes, width) : unpackwide(bytes, width);
}

}  // namespace vx
