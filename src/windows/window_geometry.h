#pragma once
// The one query of a window's geometry.
#include <cstdint>

namespace vx {

// Codes of t_WindowPos.
enum WindowPosCode : int64_t {
  PosTextFirstColumn = 0,
  PosTextFirstLine = 1,
  PosTextLastColumn = 2,
  PosTextLastLine = 3,
  PosTextAreaColumns = 4,
  PosTextAreaLines = 5,
  PosTextColumns = 6,
  PosTextLines = 7,
  PosPictureWidth = 8,
  PosPictureHeight = 9,
  PosOuterWidth = 10,
  PosOuterHeightWithoutTitle = 11,
  PosOuterHeight = 12,
  PosFrameX = 13,
  PosTopDistance = 14,
  PosScreenWidth = 15,
  PosScreenHeight = 16,
  PosTitleHeight = 17,
  PosBorderWidth = 18,
  PosBorderHeight = 19,
  PosFrameY = 20,
};

// A slot answers from its record while the memory is ready; the special
// windows (and a slot before that) from their host frame. A slot whose host
// frame is smaller than its record asks for (the screen could not hold it)
// reports the frame's outer size and top distance; its picture size (codes 8
// and 9) stays the record's. Unknown codes give 0.
int64_t t_WindowPos(uint8_t window, int64_t code);

}  // namespace vx
