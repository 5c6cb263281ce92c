#pragma once
/// \file
/// A rectangle of window pixels taken out of a window, the form in which a
/// graphic is encoded and saved.
#include <cstdint>
#include <vector>

#include "graphics/picture_formats.h"

namespace vx {

/// A rectangle of pixels taken from a window (g_GetScreenRect) or read from a
/// ".gr" file. The empty record (no Data) stands for a failed capture or read.
struct t_Graphic {
  int64_t HeaderSize = 16;  ///< bytes of the file header, 16
  std::vector<uint8_t> Identifier{'v', 'x', 'g', 'r'};  ///< the file's four identifying bytes, "vxgr"
  int64_t Format = 0;  ///< how Data holds the pixels: one of the codes of picture_formats.h: a capture format (0-5) or a stage of the save pipeline
  int64_t Size = 0;  ///< pixels: Width x Height
  int64_t Width = 0;  ///< pixels a row
  int64_t Height = 0;  ///< rows
  int64_t ParamHigh = 0;  ///< 1 in every graphic taken from a window; carried
  int64_t ParamLow = 0;  ///< 1 in every graphic taken from a window; carried
  int64_t Reserved = 0;  ///< 0; carried
  std::vector<uint8_t> Data;  ///< rows top to bottom, pixels left to right
  friend bool operator==(const t_Graphic&, const t_Graphic&) = default;  ///< equal when every field is
};

}  // namespace vx
