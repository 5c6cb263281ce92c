#include "graphics/drawing_modes.h"

namespace vx {
namespace {

uint8_t average(uint8_t c, uint8_t s) { return static_cast<uint8_t>((c + s) / 2); }

// C x C.Alpha / 255 + S x (255 - C.Alpha) / 255, each quotient cut on its own.
uint8_t alphablend(uint8_t c, uint8_t s, uint8_t alpha) {
  return static_cast<uint8_t>(c * alpha / 255 + s * (255 - alpha) / 255);
}

// The channel rule shared by both depths; false when the mode leaves the pixel.
bool combinechannels(int64_t mode, t_RGBColor c, uint8_t* rgb, bool alphablending) {
  const uint8_t color[3] = {c.Red, c.Green, c.Blue};
  for (int k = 0; k < 3; ++k) {
    switch (mode) {
      case 0: case 2: case 3: rgb[k] = color[k]; break;
      case 1: rgb[k] = alphablending ? alphablend(color[k], rgb[k], c.Alpha) : average(color[k], rgb[k]); break;
      case 4: rgb[k] = average(color[k], rgb[k]); break;
      case 5: rgb[k] = color[k] & rgb[k]; break;
      case 6: rgb[k] = color[k] | rgb[k]; break;
      case 7: rgb[k] = color[k] ^ rgb[k]; break;
      default: return false;
    }
  }
  return true;
}

}  // namespace

void combinergb(int64_t mode, t_RGBColor c, uint8_t* rgb) { combinechannels(mode, c, rgb, false); }

void combineargb(int64_t mode, t_RGBColor c, uint8_t* argb) {
  if (!combinechannels(mode, c, argb + 1, true)) return;
  if (mode == 0) argb[0] = c.Alpha;
  if (mode == 2) argb[0] = 255;
}

}  // namespace vx
