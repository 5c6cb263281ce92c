#include "graphics/star_raster.h"

#include "graphics/drawing_modes.h"
#include "graphics/palette.h"

namespace vx {

bool middleinside(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height) {
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const bool xmajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t major0 = xmajor ? x0 : y0, major1 = xmajor ? x1 : y1, majorsize = xmajor ? width : height;
  const int64_t minor0 = xmajor ? y0 : x0, minor1 = xmajor ? y1 : x1, minorsize = xmajor ? height : width;
  if (std::min(major0, major1) < -1 || std::max(major0, major1) > majorsize) return false;
  if (std::min(minor0, minor1) < 0 || std::max(minor0, minor1) > minorsize - 1) return false;
  // Each running sum rounds by at most half an ulp of its size, and the
  // increment itself by half an ulp of its own: together far below 0.5 here.
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  const int64_t size = std::max({std::llabs(x0), std::llabs(x1), std::llabs(y0), std::llabs(y1)}) + 1;
  return steps < (int64_t{1} << 24) && size < (int64_t{1} << 24);
}

TouchMask::TouchMask(int64_t width, int64_t height)
    : width_(width), height_(height), rowwords_((width + 63) / 64),
      words_(static_cast<size_t>(rowwords_ * height), 0) {}

void marklines(TouchMask& mask, RimPoint centre, const RimPoint* ends, size_t count) {
  for (size_t i = 0; i < count; ++i)
    traceline(centre.x, centre.y, ends[i].x, ends[i].y, mask.width(), mask.height(),
              [&](int64_t x, int64_t y) { mask.mark(x, y); });
}

namespace {

// Calls write(row, x) for each marked pixel of rows [ylo, yhi).
template <class Write>
void eachmarked(const PixelSurface& s, const TouchMask* const* masks, size_t count, int64_t ylo, int64_t yhi,
                Write&& write) {
  const int64_t words = (s.width + 63) / 64;
  for (int64_t y = ylo; y < yhi; ++y) {
    uint8_t* row = s.row(y);
    for (int64_t w = 0; w < words; ++w) {
      uint64_t bits = 0;
      for (size_t m = 0; m < count; ++m) bits |= masks[m]->row(y)[w];
      while (bits != 0) {
        const int b = __builtin_ctzll(bits);
        bits &= bits - 1;
        write(row, w * 64 + (b ^ 7));
      }
    }
  }
}

}  // namespace

void applymasks(const PixelSurface& s, const PlotColor& c, const TouchMask* const* masks, size_t count,
                int64_t ylo, int64_t yhi) {
  switch (s.depth) {
    case 1: {
      // The mask's bytes line up with the picture's, so whole bytes combine.
      const bool set = c.textcolor >= 144;
      for (int64_t y = ylo; y < yhi; ++y) {
        uint8_t* row = s.row(y);
        for (int64_t i = 0; i < s.rowbytes; ++i) {
          uint8_t bits = 0;
          for (size_t m = 0; m < count; ++m) bits |= reinterpret_cast<const uint8_t*>(masks[m]->row(y))[i];
          row[i] = set ? row[i] | bits : row[i] & ~bits;
        }
      }
      break;
    }
    case 4: {
      const uint8_t index = c.textcolor >> 4;
      eachmarked(s, masks, count, ylo, yhi, [&](uint8_t* row, int64_t x) {
        uint8_t& b = row[x / 2];
        b = x % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (index << 4)) : static_cast<uint8_t>((b & 0xF0) | index);
      });
      break;
    }
    case 8: {
      const uint8_t grey = greylevel(c.rgb);
      eachmarked(s, masks, count, ylo, yhi, [&](uint8_t* row, int64_t x) { row[x] = grey; });
      break;
    }
    case 16: {
      const uint8_t grey = greylevel(c.rgb);
      eachmarked(s, masks, count, ylo, yhi, [&](uint8_t* row, int64_t x) {
        row[2 * x] = c.rgb.Alpha;
        row[2 * x + 1] = grey;
      });
      break;
    }
    case 24:
      eachmarked(s, masks, count, ylo, yhi,
                 [&](uint8_t* row, int64_t x) { combinergb(c.mode, c.rgb, row + 3 * x); });
      break;
    case 32:
      eachmarked(s, masks, count, ylo, yhi,
                 [&](uint8_t* row, int64_t x) { combineargb(c.mode, c.rgb, row + 4 * x); });
      break;
    default: break;
  }
}

bool orderfree(const PixelSurface& s, const PlotColor& c) {
  if (s.depth != 24 && s.depth != 32) return true;
  return c.mode != 1 && c.mode != 4 && c.mode != 7;
}

namespace {

template <int Depth, int Mode>
bool draworderedas(const PixelSurface& s, const PlotColor& c, RimPoint centre, const RimPoint* ends,
                   size_t count, int64_t& lastx, int64_t& lasty) {
  bool any = false;
  const uint8_t colour[3] = {c.rgb.Red, c.rgb.Green, c.rgb.Blue};
  const uint8_t alpha = c.rgb.Alpha;
  auto plot = [&](int64_t x, int64_t y) {
    uint8_t* p = s.row(y) + x * (Depth / 8) + (Depth == 32 ? 1 : 0);
    for (int k = 0; k < 3; ++k) {
      if constexpr (Mode == 7) {
        p[k] = colour[k] ^ p[k];
      } else if constexpr (Mode == 1 && Depth == 32) {
        p[k] = static_cast<uint8_t>(colour[k] * alpha / 255 + p[k] * (255 - alpha) / 255);
      } else {
        p[k] = static_cast<uint8_t>((colour[k] + p[k]) / 2);
      }
    }
    lastx = x;
    lasty = y;
  };
  for (size_t i = 0; i < count; ++i)
    any |= traceline(centre.x, centre.y, ends[i].x, ends[i].y, s.width, s.height, plot);
  return any;
}

}  // namespace

bool drawordered(const PixelSurface& s, const PlotColor& c, RimPoint centre, const RimPoint* ends,
                 size_t count, int64_t& lastx, int64_t& lasty) {
  const bool deep = s.depth == 32;
  switch (c.mode) {
    case 1: return deep ? draworderedas<32, 1>(s, c, centre, ends, count, lastx, lasty)
                        : draworderedas<24, 1>(s, c, centre, ends, count, lastx, lasty);
    case 4: return deep ? draworderedas<32, 4>(s, c, centre, ends, count, lastx, lasty)
                        : draworderedas<24, 4>(s, c, centre, ends, count, lastx, lasty);
    default: return deep ? draworderedas<32, 7>(s, c, centre, ends, count, lastx, lasty)
                         : draworderedas<24, 7>(s, c, centre, ends, count, lastx, lasty);
  }
}

}  // namespace vx
