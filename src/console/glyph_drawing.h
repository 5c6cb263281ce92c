#pragma once
// Paints one glyph of grey levels into a window's picture at any of the six
// bit depths. Nothing outside the window's graphic block is ever written: a
// cell whose pixels would leave the block is not painted at all.
#include <cstdint>
#include <span>

#include "runtime/window_record.h"

namespace vx {

// The pixel rectangle of one text cell.
struct GlyphCell {
  int64_t left = 0;
  int64_t top = 0;
  int64_t width = 0;
  int64_t height = 0;
};

// `glyph` holds cell.width x cell.height grey levels, rows from the top.
// foreground and background are palette indexes.
void drawglyph(const t_Window& window, std::span<const uint8_t> glyph, const GlyphCell& cell,
               uint8_t foreground, uint8_t background);

}  // namespace vx
