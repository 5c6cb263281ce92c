#pragma once
// A rectangle of window pixels taken out of a window, the form in which a
// graphic is encoded and saved.
#include <cstdint>
#include <vector>

#include "graphics/picture_formats.h"

namespace vx {

struct t_Graphic {
  int64_t HeaderSize = 16;
  std::vector<uint8_t> Identifier{'v', 'x', 'g', 'r'};
  int64_t Format = 0;  // one of the codes of picture_formats.h
  int64_t Size = 0;  // pixels: Width x Height
  int64_t Width = 0;
  int64_t Height = 0;
  int64_t ParamHigh = 0;
  int64_t ParamLow = 0;
  int64_t Reserved = 0;
  std::vector<uint8_t> Data;  // rows top to bottom, pixels left to right
  friend bool operator==(const t_Graphic&, const t_Graphic&) = default;
};

}  // namespace vx
