#pragma once
// Text windows for the console tests, set up straight in the window table:
// the blocks are carved from high memory as window initialisation does, and
// the glyphs come from small fonts made here, so every pixel is predictable.
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace consoletest {

// Format 2 fonts with glyphs for codes 0..255. Every pixel of every glyph has the same grey level.
vx::t_Font flatfont(int64_t width, int64_t height, uint8_t grey);
// Each glyph differs from every other in its pixels: (code + row * width + column) mod 256.
vx::t_Font numberedfont(int64_t width, int64_t height);

// Makes slot `window` a text window of columns x lines cells at `depth`,
// cleared to spaces in colour 0xC0, cursor at (1, 1), whole-window area.
void opentextwindow(uint8_t window, int64_t depth, int64_t columns, int64_t lines,
                    const vx::t_Font& font);

// Code and attribute that the text video memory holds for a cell.
uint8_t cellcode(uint8_t window, int64_t column, int64_t line);
uint8_t cellattribute(uint8_t window, int64_t column, int64_t line);

// The picture bytes of one cell, row after row (whole bytes only; depths 8 and up).
std::vector<uint8_t> cellpixels(uint8_t window, int64_t column, int64_t line);
// The byte of the picture at pixel (x, y) for depths 8 and up (first byte of the pixel).
uint8_t& pixelbyte(uint8_t window, int64_t x, int64_t y);

// The codes of every line as text, one character per cell, each line
// followed by "|".
std::string screen(uint8_t window);

// Prints `text` (one byte per cell) from cell (column, line) to the right.
void printrow(uint8_t window, const std::string& text, int64_t column, int64_t line,
              uint8_t colour = 0xF0);

}  // namespace consoletest
