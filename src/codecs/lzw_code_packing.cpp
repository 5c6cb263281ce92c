// Codes of a fixed width packed into bytes and read back, most significant
// bit first, without gaps.
#include <string>

#include "codecs/lzw.h"
#include "codecs/lzw_internal.h"
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

// Writes into room made beforehand, 32 bits at a time, so that the loop does
// no bookkeeping.
template <typename Code>
void pack(const Code* codes, size_t count, int64_t width, std::vector<uint8_t>& out) {
  const size_t start = out.size();
  out.resize(start + (count * static_cast<size_t>(width) + 7) / 8);
  uint8_t* next = out.data() + start;
  uint64_t pending = 0;  // fewer than 32 bits wait here between codes
  int64_t held = 0;
  auto put = [&](uint64_t value, int64_t size, uint64_t mask) {  // size <= 32
    pending = (pending << size) | (value & mask);
    held += size;
    if (held >= 32) {
      held -= 32;
      const auto word = static_cast<uint32_t>(pending >> held);
      next[0] = static_cast<uint8_t>(word >> 24);
      next[1] = static_cast<uint8_t>(word >> 16);
      next[2] = static_cast<uint8_t>(word >> 8);
      next[3] = static_cast<uint8_t>(word);
      next += 4;
    }
  };
  if (width > 32) {
    const uint64_t high = lowbits(~uint64_t{0}, width - 32);
    for (size_t i = 0; i < count; ++i) {
      const auto code = static_cast<uint64_t>(codes[i]);
      put(code >> 32, width - 32, high);
      put(code, 32, 0xFFFFFFFF);
    }
  } else {
    const uint64_t mask = lowbits(~uint64_t{0}, width);
    for (size_t i = 0; i < count; ++i) put(static_cast<uint64_t>(codes[i]), width, mask);
  }
  // The last whole bytes, then the last bits at the top of a byte.
  for (; held >= 8; held -= 8) *next++ = static_cast<uint8_t>(pending >> (held - 8));
  if (held > 0) *next = static_cast<uint8_t>(pending << (8 - held));
}

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

namespace lzwdetail {

void packcodes(const uint32_t* codes, size_t count, int64_t width, std::vector<uint8_t>& out) {
  pack(codes, count, width, out);
}

void packcodes(const int64_t* codes, size_t count, int64_t width, std::vector<uint8_t>& out) {
  pack(codes, count, width, out);
}

}  // namespace lzwdetail

std::vector<uint8_t> lzwunpackedtopacked(const std::vector<int64_t>& codes, int64_t width) {
  if (!widthusable("lzwunpackedtopacked", width)) return {};
  std::vector<uint8_t> out;
  lzwdetail::packcodes(codes.data(), codes.size(), width, out);
  return out;
}

std::vector<int64_t> lzwpackedtounpacked(const std::vector<uint8_t>& bytes, int64_t width) {
  if (!widthusable("lzwpackedtounpacked", width)) return {};
  return width <= 56 ? unpacknarrow(bytes, width) : unpackwide(bytes, width);
}

}  // namespace vx
