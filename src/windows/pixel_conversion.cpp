#include "windows/pixel_conversion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "graphics/palette.h"
#include "graphics/pixel_surface.h"
#include "runtime/memory.h"

namespace vx {
namespace {

// Packs an opaque colour in one of the orders.
template <PixelOrder Order>
inline uint32_t pack(uint32_t r, uint32_t g, uint32_t b) {
  if constexpr (Order == PixelOrder::NativeArgb32) {
    return 0xFF000000u | r << 16 | g << 8 | b;
  } else if constexpr (Order == PixelOrder::RgbaBytes) {
    if constexpr (std::endian::native == std::endian::little) return 0xFF000000u | b << 16 | g << 8 | r;
    return r << 24 | g << 16 | b << 8 | 0xFFu;
  } else if constexpr (std::endian::native == std::endian::little) {
    return 0xFFu | r << 8 | g << 16 | b << 24;
  } else {
    return 0xFF000000u | r << 16 | g << 8 | b;
  }
}

template <PixelOrder Order>
std::array<uint32_t, 16> packedpalette() {
  std::array<uint32_t, 16> out{};
  for (int i = 0; i < 16; ++i) {
    const t_RGBColor c = t_PaletteColor(i);
    out[static_cast<size_t>(i)] = pack<Order>(c.Red, c.Green, c.Blue);
  }
  return out;
}

template <PixelOrder Order>
const std::array<uint32_t, 16>& palette() {
  static const std::array<uint32_t, 16> colours = packedpalette<Order>();
  return colours;
}

// Stores one packed pixel; the target is byte storage (an image buffer).
inline void store(uint8_t* out, int64_t i, uint32_t pixel) { std::memcpy(out + 4 * i, &pixel, 4); }

// Each converter turns pixels [x, x + n) of one stored row into packed pixels.
template <PixelOrder Order>
void convert1(const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  const uint32_t set = palette<Order>()[15], clear = palette<Order>()[0];
  for (int64_t i = 0; i < n; ++i) {
    const int64_t p = x + i;
    store(out, i, (in[p >> 3] >> (7 - (p & 7))) & 1 ? set : clear);
  }
}

template <PixelOrder Order>
void convert4(const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  const auto& colours = palette<Order>();
  for (int64_t i = 0; i < n; ++i) {
    const int64_t p = x + i;
    const uint8_t b = in[p >> 1];
    store(out, i, colours[(p & 1) == 0 ? b >> 4 : b & 0x0F]);
  }
}

template <PixelOrder Order>
void convert8(const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  in += x;
  for (int64_t i = 0; i < n; ++i) store(out, i, pack<Order>(in[i], in[i], in[i]));
}

template <PixelOrder Order>
void convert16(const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  in += 2 * x + 1;  // the grey byte; the stored alpha byte before it is ignored
  for (int64_t i = 0; i < n; ++i) store(out, i, pack<Order>(in[2 * i], in[2 * i], in[2 * i]));
}

// Four pixels are twelve bytes, read as three words: the toolkit's text
// windows are 24-bit, and this is the conversion every view of one runs.
template <PixelOrder Order>
inline void convert24fourpixels(const uint8_t* in, uint8_t* out) {
  uint32_t w0, w1, w2;
  std::memcpy(&w0, in, 4);
  std::memcpy(&w1, in + 4, 4);
  std::memcpy(&w2, in + 8, 4);
  // Little-endian words of the bytes 255, R, G, B; reversed, 0xFFRRGGBB.
  uint32_t p[4] = {0xFFu | w0 << 8, 0xFFu | (w0 >> 24) << 8 | (w1 & 0xFFFFu) << 16,
                   0xFFu | (w1 >> 16) << 8 | (w2 & 0xFFu) << 24, 0xFFu | (w2 & 0xFFFFFF00u)};
  if constexpr (Order == PixelOrder::NativeArgb32)
    for (uint32_t& pixel : p) pixel = __builtin_bswap32(pixel);
  if constexpr (Order == PixelOrder::RgbaBytes)
    for (uint32_t& pixel : p) pixel = pixel >> 8 | 0xFF000000u;
  std::memcpy(out, p, sizeof p);
}

template <PixelOrder Order>
void convert24(const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  in += 3 * x;
  int64_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 4 <= n; i += 4) convert24fourpixels<Order>(in + 3 * i, out + 4 * i);
  }
  for (; i < n; ++i) store(out, i, pack<Order>(in[3 * i], in[3 * i + 1], in[3 * i + 2]));
}

template <PixelOrder Order>
void convert32(const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  in += 4 * x + 1;  // the stored alpha byte is ignored
  for (int64_t i = 0; i < n; ++i) store(out, i, pack<Order>(in[4 * i], in[4 * i + 1], in[4 * i + 2]));
}

template <PixelOrder Order>
bool convert(int64_t depth, const uint8_t* in, int64_t x, int64_t n, uint8_t* out) {
  switch (depth) {
    case 1: convert1<Order>(in, x, n, out); return true;
    case 4: convert4<Order>(in, x, n, out); return true;
    case 8: convert8<Order>(in, x, n, out); return true;
    case 16: convert16<Order>(in, x, n, out); return true;
    case 24: convert24<Order>(in, x, n, out); return true;
    case 32: convert32<Order>(in, x, n, out); return true;
    default: return false;
  }
}

}  // namespace

int64_t convertpixelrow(const StoredPicture& s, int64_t y, int64_t x, int64_t count, uint8_t* out,
                        PixelOrder order) {
  if (s.data == nullptr || !isSupportedBitDepth(s.depth) || y < 0 || y >= s.height || count <= 0) return 0;
  const int64_t first = std::max<int64_t>(x, 0);
  const int64_t end = std::min(x + count, s.width);
  if (first >= end) return 0;
  uint8_t* target = out + 4 * (first - x);
  // The bytes that hold pixels [first, end), copied out of the memory the
  // program thread may be drawing into; `offset` is where `first` lies in them.
  const int64_t firstbyte = first * s.depth / 8;
  const int64_t endbyte = std::min((end * s.depth + 7) / 8, s.rowbytes);
  if (firstbyte >= endbyte) return 0;
  thread_local std::vector<uint8_t> stored;
  stored.resize(static_cast<size_t>(endbyte - firstbyte));
  readpicturebytes(s.row(y) + firstbyte, stored.size(), stored.data());
  const int64_t offset = first - firstbyte * 8 / s.depth;
  bool converted = false;
  switch (order) {
    case PixelOrder::ArgbBytes:
      converted = convert<PixelOrder::ArgbBytes>(s.depth, stored.data(), offset, end - first, target);
      break;
    case PixelOrder::NativeArgb32:
      converted = convert<PixelOrder::NativeArgb32>(s.depth, stored.data(), offset, end - first, target);
      break;
    case PixelOrder::RgbaBytes:
      converted = convert<PixelOrder::RgbaBytes>(s.depth, stored.data(), offset, end - first, target);
      break;
  }
  return converted ? end - first : 0;
}

}  // namespace vx
