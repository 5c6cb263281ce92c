#pragma once
/// \file
/// A decoded graphic's pixels as red, green, blue and, for the formats that
/// carry it, alpha: what a picture file or a screen shows of it.
#include <cstdint>
#include <vector>

#include "graphics/graphic_record.h"

namespace vx {

/// A decoded graphic's pixels as samples of red, green, blue (and alpha).
struct GraphicPixels {
  int64_t Width = 0;  ///< pixels a row
  int64_t Height = 0;  ///< rows
  bool HasAlpha = false;          ///< formats 4 and 5 (alpha and grey, alpha and colour)
  std::vector<uint8_t> Samples;  ///< rows from the top: R, G, B (and A) per pixel
};

/// The pixels of a record in one of the capture formats 0-5 (as g_DecodeGraphic
/// gives it): one-bit pixels black or white, nibbles through the palette, grey
/// levels as equal red, green and blue. A record of another format, or whose
/// data does not match its size, gives no pixels.
GraphicPixels graphicpixels(const t_Graphic& decoded);

}  // namespace vx
