#pragma once
// Text windows for the console and event tests: an 8-bit picture and a font
// whose glyph c is grey level c in every pixel.
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace vxtest {

// Opens slot `window` with `columns` x `lines` cells (at least 4 x 2).
vx::t_Window& opentextwindow(uint8_t window, int64_t columns, int64_t lines);

// A key press on slot `slot`'s view, as the host reports it.
void presskey(int slot, uint16_t keycode, const std::string& characters = "", uint64_t flags = 0);

// Code and attribute recorded for a cell.
uint8_t cellcode(uint8_t window, int64_t column, int64_t line);
uint8_t cellattribute(uint8_t window, int64_t column, int64_t line);
// Codes (or attributes) of the first `count` cells of a line.
std::vector<uint8_t> linecodes(uint8_t window, int64_t line, int64_t count, bool attributes = false);
// The codes of one line as text (codes as Latin-1).
std::string linetext(uint8_t window, int64_t line);

}  // namespace vxtest
