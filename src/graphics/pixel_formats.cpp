#include "graphics/pixel_formats.h"

#include "graphics/drawing_modes.h"
#include "graphics/palette.h"

namespace vx {

t_RGBColor readpixelcolor(const PixelSurface& s, int64_t x, int64_t y) {
  const uint8_t* row = s.row(y);
  switch (s.depth) {
    case 1: return t_PaletteColor((row[x / 8] >> (7 - x % 8)) & 1 ? 15 : 0);
    case 4: return t_PaletteColor(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F);
    case 8: return {0, row[x], row[x], row[x]};
    case 16: return {row[2 * x], row[2 * x + 1], row[2 * x + 1], row[2 * x + 1]};
    case 24: return {0, row[3 * x], row[3 * x + 1], row[3 * x + 2]};
    case 32: return {row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]};
    default: return {255, 0, 0, 0};
  }
}

int64_t readpixelindex(const PixelSurface& s, int64_t x, int64_t y) {
  const uint8_t* row = s.row(y);
  switch (s.depth) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1 ? 15 : 0;
    case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    case 32: return (row[4 * x + 1] | row[4 * x + 2] | row[4 * x + 3]) == 0 ? 0 : 15;
    default: return 0;
  }
}

PlotColor plotcolorof(const t_Window& w) { return {w.TextColor, w.RGBColor, w.DrawingMode}; }

void writepixel(const PixelSurface& s, int64_t x, int64_t y, const PlotColor& c) {
  uint8_t* row = s.row(y);
  switch (s.depth) {
    case 1: {
      const auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
      // Drawing colour indexes 9..15 set the bit.
      row[x / 8] = c.textcolor >= 144 ? row[x / 8] | bit : row[x / 8] & ~bit;
      break;
    }
    case 4: {
      const uint8_t index = c.textcolor >> 4;
      uint8_t& b = row[x / 2];
      b = x % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (index << 4)) : static_cast<uint8_t>((b & 0xF0) | index);
      break;
    }
    case 8: row[x] = greylevel(c.rgb); break;
    case 16:
      row[2 * x] = c.rgb.Alpha;
      row[2 * x + 1] = greylevel(c.rgb);
      break;
    case 24: combinergb(c.mode, c.rgb, row + 3 * x); break;
    case 32: combineargb(c.mode, c.rgb, row + 4 * x); break;
    default: break;
  }
}

}  // namespace vx
