#pragma once
// Taking a window's pixels out as a graphic record.
#include <cstdint>

#include "graphics/graphic_record.h"

namespace vx {

// The rectangle (x0, y0)-(x1, y1), corners included; the far corner is
// clipped to the window. Bad corners give the empty record.
t_Graphic g_GetScreenRect(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1);
// The whole picture.
t_Graphic g_GetScreen(uint8_t window);

}  // namespace vx
