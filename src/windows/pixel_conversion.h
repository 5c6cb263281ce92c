#pragma once
// Stored picture pixels of any of the six depths turned into opaque 32-bit
// pixels. The window image uses it for whole pictures; a host that shows only
// part of a picture converts just the rows and columns it needs.
#include <cstdint>

#include "runtime/types.h"

namespace vx {

enum class PixelOrder {
  ArgbBytes,    // four bytes Alpha, Red, Green, Blue, as the window image holds them
  NativeArgb32,  // one 32-bit word 0xAARRGGBB in the machine's byte order
  RgbaBytes      // four bytes Red, Green, Blue, Alpha, as a web page's canvas takes them
};

// Converts `count` pixels of row `y`, from column `x` on, into `out`, four
// bytes a pixel (`out` holds 4 x count bytes). Only pixels inside the picture
// are written, each at its place in the run; answers how many (0 for a
// picture without data or of a depth none of the six).
int64_t convertpixelrow(const StoredPicture& picture, int64_t y, int64_t x, int64_t count, uint8_t* out,
                        PixelOrder order);

}  // namespace vx
