#include "console/glyph_colour.h"

#include "graphics/palette.h"

namespace vx {

namespace {

uint8_t mix(int64_t grey, int64_t foreground, int64_t background) {
  return static_cast<uint8_t>(grey * foreground / 255 + (255 - grey) * background / 255);
}

int64_t squareddistance(const t_RGBColor& a, const t_RGBColor& b) {
  const int64_t red = a.Red - b.Red;
  const int64_t green = a.Green - b.Green;
  const int64_t blue = a.Blue - b.Blue;
  return red * red + green * green + blue * blue;
}

uint8_t greypaletteindex(int64_t sum) {
  if (sum < 192) return 0;
  if (sum <= 383) return 5;
  if (sum < 576) return 10;
  return 15;
}

}  // namespace

t_RGBColor blendglyphcolour(uint8_t grey, const t_RGBColor& foreground,
                            const t_RGBColor& background) {
  return {255, mix(grey, foreground.Red, background.Red),
          mix(grey, foreground.Green, background.Green),
          mix(grey, foreground.Blue, background.Blue)};
}

uint8_t blendglyphlevel(uint8_t grey, int64_t foreground, int64_t background) {
  return mix(grey, foreground, background);
}

uint8_t nearestpaletteindex(const t_RGBColor& colour) {
  if (colour.Red == colour.Green && colour.Green == colour.Blue) {
    return greypaletteindex(colour.Red + colour.Green + colour.Blue);
  }
  uint8_t best = 0;
  int64_t bestdistance = 65535;
  for (uint8_t index = 0; index < 16; ++index) {
    const int64_t distance = squareddistance(colour, t_PaletteColor(index));
    if (distance < bestdistance) {
      bestdistance = distance;
      best = index;
    }
  }
  return best;
}

}  // namespace vx
