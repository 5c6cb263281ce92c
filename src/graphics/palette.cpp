#include "graphics/palette.h"

#include <cstddef>

namespace vx {

const std::array<uint8_t, 16> PaletteRed{0, 255, 0, 255, 0, 84, 0, 0,
                                         128, 255, 168, 255, 0, 255, 0, 255};
const std::array<uint8_t, 16> PaletteGreen{0, 0, 0, 0, 128, 84, 0, 128,
                                           64, 128, 168, 128, 255, 255, 255, 255};
const std::array<uint8_t, 16> PaletteBlue{0, 0, 128, 255, 0, 84, 255, 255,
                                          0, 0, 168, 128, 0, 0, 255, 255};

t_RGBColor t_PaletteColor(int64_t index) {
  if (index < 0 || index >= 16) return {255, 0, 0, 0};
  const auto i = static_cast<size_t>(index);
  return {255, PaletteRed[i], PaletteGreen[i], PaletteBlue[i]};
}

}  // namespace vx
