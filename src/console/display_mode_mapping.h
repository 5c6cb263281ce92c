#pragma once
/// \file
/// How the display mode of a window turns a printed character into the glyph
/// that is drawn, and the escape commands that follow an ESC.
#include <cstdint>

namespace vx {

/// What the display mode makes of one printed character.
struct DisplayedCharacter {
  /// The glyph to draw (0..255), 256 or more for a character without a glyph,
  /// -1 when nothing is drawn (an escape command), -2 when the window failed
  /// its test.
  int64_t code = -2;
  bool inverse = false;  ///< to store back into TextInverse after drawing
  uint8_t colour = 0xF0;  ///< to store back into TextColor after drawing
};

/// Applies the window's display mode to `character`: the glyph to draw and
/// the inverse flag and colours to keep; an ESC or an escape command changes
/// the mode and draws nothing.
/// \windowtest
DisplayedCharacter t_ApplyDisplayMode(uint8_t window, uint32_t character);

}  // namespace vx
