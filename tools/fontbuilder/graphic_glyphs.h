#pragma once
// The glyphs of the control codes 0..31 and of 127..160: arrows, blocks,
// shades and box drawing. They are drawn, not taken from the TrueType font,
// so that lines meet exactly at the cell edges. Their look follows the plain
// text the pasteboard gives for them (corners, tees and crosses read as "+",
// vertical lines as "|", horizontal ones as "-", 133 as "O", 160 as a
// visible space).
#include <cstdint>

#include "glyph_canvas.h"

namespace fontbuilder {

struct GraphicStyle {
  int stroke = 2;     // width of a thin line in pixels, like the text's stems
  int baseline = 25;  // row of the text baseline (the visible-space mark sits on it)
};

bool isgraphiccode(int code);  // 0..31 and 127..160
GlyphCanvas graphicglyph(int code, const GraphicStyle& style);

}  // namespace fontbuilder
