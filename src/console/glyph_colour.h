#pragma once
// How a glyph's grey level becomes a pixel colour: the ink coverage g mixes
// the foreground colour (weight g) with the background colour (weight 255 - g),
// and at 4 bits per pixel the mix is mapped back to a palette index.
#include <cstdint>

#include "runtime/types.h"

namespace vx {

// g x foreground / 255 + (255 - g) x background / 255 per component, each
// product divided on its own with the remainder dropped. Alpha is 255.
t_RGBColor blendglyphcolour(uint8_t grey, const t_RGBColor& foreground,
                            const t_RGBColor& background);

// The same mix for one 8-bit level.
uint8_t blendglyphlevel(uint8_t grey, int64_t foreground, int64_t background);

// The palette index that shows a mixed colour at 4 bits per pixel: greys go
// to the palette's four greys by their sum, other colours to the nearest
// entry by squared distance (ties keep the lower index).
uint8_t nearestpaletteindex(const t_RGBColor& colour);

}  // namespace vx
