#pragma once
// Reading and writing single pixels in the six stored formats:
//   1 bit  : MSB is the leftmost pixel; 1 shows white, 0 black
//   4 bits : palette index, even x in the high nibble
//   8 bits : grey level
//   16 bits: Alpha, grey level
//   24 bits: Red, Green, Blue
//   32 bits: Alpha, Red, Green, Blue
// The callers have checked that (x, y) lies on the surface.
#include <cstdint>

#include "graphics/pixel_surface.h"
#include "runtime/types.h"

namespace vx {

// The colour a pixel reads back as.
t_RGBColor readpixelcolor(const PixelSurface& s, int64_t x, int64_t y);
// The palette index a pixel reads back as (only depths 1, 4 and 32 answer
// anything but 0).
int64_t readpixelindex(const PixelSurface& s, int64_t x, int64_t y);

// What a plot stores: the window's drawing colours and mode.
struct PlotColor {
  uint8_t textcolor = 0;  // high nibble: drawing colour index
  t_RGBColor rgb;
  int64_t mode = 0;
};
PlotColor plotcolorof(const t_Window& w);
void writepixel(const PixelSurface& s, int64_t x, int64_t y, const PlotColor& c);

}  // namespace vx
