#pragma once
// The picture of one window slot as the graphics code may touch it: a pointer
// into the toolkit memory and the area that is safe to address. Every
// primitive goes through a surface, so no coordinate and no record field a
// caller has changed can make it read or write outside the slot's own block.
#include <cstdint>

#include "graphics/picture_formats.h"
#include "runtime/types.h"
#include "runtime/window_record.h"

namespace vx {

struct PixelSurface {
  uint8_t* data = nullptr;  // first picture byte; null when nothing may be touched
  int64_t width = 0;        // pixels per row that may be addressed
  int64_t height = 0;       // rows that may be addressed
  int64_t depth = 0;
  int64_t rowbytes = 0;

  bool contains(int64_t x, int64_t y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
  }
  uint8_t* row(int64_t y) const { return data + y * rowbytes; }
  StoredPicture stored() const { return {data, width, height, depth, rowbytes}; }
};

// The surface of slot `slot` (0..7) as its record describes it. A supported
// depth whose picture lies in a block that is not wholly its own (outside the
// toolkit memory, past MemoryEnd, or over another slot's blocks) keeps only
// the rows that fit, or none. An unsupported depth gives the record's size
// with no data, so callers can still tell inside from outside.
PixelSurface pixelsurface(uint8_t slot);

}  // namespace vx
