#pragma once
/// \file
/// The toolkit's 16-colour palette. Text glyphs, the 1- and 4-bit pixel formats,
/// clearing and the border colour all pick their colours from it.
#include <array>
#include <cstdint>

#include "runtime/types.h"

namespace vx {

/// The red of each of the 16 palette colours.
extern const std::array<uint8_t, 16> PaletteRed;
extern const std::array<uint8_t, 16> PaletteGreen;  ///< the green of each palette colour
extern const std::array<uint8_t, 16> PaletteBlue;   ///< the blue of each palette colour

/// The opaque colour of a palette index; 16 and above (and negatives) are black.
t_RGBColor t_PaletteColor(int64_t index);

/// The grey level that the 8- and 16-bit formats store for a colour.
inline uint8_t greylevel(t_RGBColor c) {
  return static_cast<uint8_t>((int{c.Red} + int{c.Green} + int{c.Blue}) / 3);
}

}  // namespace vx
