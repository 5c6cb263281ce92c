#pragma once
// A text window for the console and event tests, set up directly in the
// window table: an 8-bit picture, a font whose glyph c is grey level c
// everywhere, and a text block laid out as a window initialisation lays it out.
#include <cstdint>
#include <string>

#include "support/test_support.h"

namespace vxtest {

constexpr int64_t GlyphWidth = 4;
constexpr int64_t GlyphHeight = 4;

// Opens slot `window` with `columns` x `lines` cells; the memory is created first.
vx::t_Window& opentextwindow(uint8_t window, int64_t columns, int64_t lines);

// Code and attribute recorded for a cell.
uint8_t cellcode(uint8_t window, int64_t column, int64_t line);
uint8_t cellattribute(uint8_t window, int64_t column, int64_t line);
// The codes of one line as text (codes as Latin-1).
std::string linetext(uint8_t window, int64_t line);

}  // namespace vxtest
