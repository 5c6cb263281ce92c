#pragma once
// The part of a slot's picture that a view shows, as canvas pixels: for a host
// that draws into a canvas of its own (the web page) rather than through a
// widget toolkit. Only the requested area is converted, so a huge picture is
// never held whole at 32 bits; zoomed out, each pixel is the average of the
// pixels it stands for, so fine patterns turn grey instead of into moiré.
#include <cstdint>
#include <vector>

#include "runtime/types.h"

namespace vx {

// An area of the picture as the view shows it (`shown` pixels wide and high:
// the view's frame, which a stored picture of another size is stretched to),
// made `factor` times smaller in each direction.
struct PictureRegion {
  int64_t x = 0, y = 0, width = 0, height = 0;  // in shown pixels, from the top left
  int64_t factor = 1;                           // 1: each pixel as it is
};

// Red, green, blue, alpha bytes, row after row, top to bottom.
struct CanvasPixels {
  int64_t width = 0;
  int64_t height = 0;
  std::vector<uint8_t> rgba;
};

// The region, clipped to the shown picture, converted and reduced: a result
// of ceil(width / factor) x ceil(height / factor) pixels. An empty result for
// a region outside the picture or a picture without data.
CanvasPixels renderpictureregion(const StoredPicture& picture, Size shown, PictureRegion region);

}  // namespace vx
