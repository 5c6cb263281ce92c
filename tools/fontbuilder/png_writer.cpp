#include "png_writer.h"

#include <algorithm>
#include <array>

namespace fontbuilder {

namespace {

uint32_t crc32(const uint8_t* data, size_t length) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < length; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint32_t adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

void append32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendchunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  append32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  append32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
std::vector<uint8_t> storedzlib(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out{0x78, 0x01};
  size_t offset = 0;
  do {
    const size_t length = std::min<size_t>(65535, data.size() - offset);
    const bool last = offset + length == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), data.begin() + static_cast<long>(offset),
               data.begin() + static_cast<long>(offset + length));
    offset += length;
  } while (offset < data.size());
  append32(out, adler32(data));
  return out;
}

}  // namespace

std::vector<uint8_t> greypng(int width, int height, const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  append32(header, static_cast<uint32_t>(width));
  append32(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 0, 0, 0, 0});  // 8-bit grey, no interlace
  appendchunk(out, "IHDR", header);
  std::vector<uint8_t> rows;
  for (int y = 0; y < height; ++y) {
    rows.push_back(0);  // filter: none
    const auto first = pixels.begin() + static_cast<long>(y) * width;
    rows.insert(rows.end(), first, first + width);
  }
  appendchunk(out, "IDAT", storedzlib(rows));
  appendchunk(out, "IEND", {});
  return out;
}

}  // namespace fontbuilder
