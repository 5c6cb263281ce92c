#pragma once
/// \file
/// The one query of a window's geometry.
#include <cstdint>

namespace vx {

/// Codes of t_WindowPos.
enum WindowPosCode : int64_t {
  PosTextFirstColumn = 0,  ///< first column of the text area
  PosTextFirstLine = 1,  ///< first line of the text area
  PosTextLastColumn = 2,  ///< last column of the text area
  PosTextLastLine = 3,  ///< last line of the text area
  PosTextAreaColumns = 4,  ///< columns of the text area
  PosTextAreaLines = 5,  ///< lines of the text area
  PosTextColumns = 6,  ///< columns of the whole window
  PosTextLines = 7,  ///< lines of the whole window
  PosPictureWidth = 8,  ///< pixels a row of the picture
  PosPictureHeight = 9,  ///< rows of the picture
  PosOuterWidth = 10,  ///< the host window's width in points
  PosOuterHeightWithoutTitle = 11,  ///< its height without the title bar
  PosOuterHeight = 12,  ///< its height with the title bar
  PosFrameX = 13,  ///< its left edge on the screen
  PosTopDistance = 14,  ///< from the screen's top to the window's top
  PosScreenWidth = 15,  ///< the screen's width in points
  PosScreenHeight = 16,  ///< the screen's height in points
  PosTitleHeight = 17,  ///< the title bar's height (0 without one)
  PosBorderWidth = 18,  ///< points between picture and left or right edge
  PosBorderHeight = 19,  ///< points between picture and top or bottom edge
  PosFrameY = 20,  ///< the window's bottom edge on the screen
};

/// One measure of window `window` (0..12), chosen by `code` (WindowPosCode).
/// A slot answers from its record while the memory is ready; the special
/// windows (and a slot before that) from their host frame. A slot whose host
/// frame is smaller than its record asks for (the screen could not hold it)
/// reports the frame's outer size and top distance; its picture size (codes 8
/// and 9) stays the record's. Unknown codes give 0; a window without a host
/// window writes "t_WindowPos: Window does not exist." and gives 0.
int64_t t_WindowPos(uint8_t window, int64_t code);

}  // namespace vx
