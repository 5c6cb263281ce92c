#pragma once
/// \file
/// A text window's display state: the display mode applied to each printed
/// character, the inverse flag, and where printed characters go.
#include <cstdint>

namespace vx {

// Display modes (TextDisplayMode).
constexpr int64_t DisplayModeNormal = 0;  ///< characters shown as they are
constexpr int64_t DisplayModeHighGlyphs = 1;      ///< 32..127 shown with the glyph 128 higher
constexpr int64_t DisplayModeGraphicGlyphs = 2;   ///< 64..95 as 0..31, 96..127 as 128..159
constexpr int64_t DisplayModeInverseControls = 3; ///< control characters as inverse letters
constexpr int64_t DisplayModeColouredControls = 4;///< control characters as letters in colour 1
constexpr int64_t DisplayModeEscape = 99;         ///< the next character is an escape command

// Output routing (TextRedirectOutput): any other value prints nowhere.
constexpr int64_t OutputToWindow = 1;          ///< printed characters go to the window
constexpr int64_t OutputToStandardOutput = 2;  ///< printed characters go to standard output

/// Sets the display mode (DisplayModeNormal ...) of the characters printed
/// from now on; the value is stored unchecked.
/// \windowtest
void t_DisplayMode(uint8_t window, int64_t mode);
/// Routes the characters printed from now on (OutputToWindow,
/// OutputToStandardOutput, any other value: nowhere); stored unchecked.
/// \windowtest
void t_RedirectOutput(uint8_t window, int64_t mode);

/// Prints from now on in the normal colours (inverse off).
/// \windowtest
void t_Normal(uint8_t window);
/// Prints from now on with the colours swapped (inverse on).
/// \windowtest
void t_Inverse(uint8_t window);
/// Switches inverse printing over.
/// \windowtest
void t_Reverse(uint8_t window);

/// Redraws the cells of columns x1..x2 and lines y1..y2 from the text video
/// memory with their colours swapped; doing it twice restores the picture. A
/// rectangle that is not inside the window does nothing, silently.
/// \windowtest
void t_InvertRect(uint8_t window, int64_t x1, int64_t y1, int64_t x2, int64_t y2);

}  // namespace vx
