#pragma once
/// \file
/// Taking a window's pixels out as a graphic record.
#include <cstdint>

#include "graphics/graphic_record.h"

namespace vx {

/// Takes the rectangle (x0, y0)-(x1, y1) out, corners included; the far corner is
/// clipped to the window. Bad corners give the empty record.
/// \windowtest
t_Graphic g_GetScreenRect(uint8_t window, int64_t x0, int64_t y0, int64_t x1, int64_t y1);
/// Takes the whole picture out.
/// \windowtest
t_Graphic g_GetScreen(uint8_t window);

}  // namespace vx
