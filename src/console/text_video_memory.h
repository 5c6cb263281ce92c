#pragma once
// Where a text cell lives in a window's text video memory. The block holds a
// character plane in its first half and an attribute plane (the colour byte
// each cell was drawn with) in its second half, both TextWidth cells per line.
// Every answer is checked against the window's block and the toolkit memory,
// so a record whose fields disagree never leads outside them.
#include <cstdint>
#include <optional>

#include "runtime/window_record.h"

namespace vx {

struct TextCellAddress {
  int64_t character = 0;  // address of the code in the toolkit memory
  int64_t attribute = 0;  // address of its colour byte
};

// A range of addresses, both ends included; empty when first > last.
struct AddressRange {
  int64_t first = 0;
  int64_t last = -1;
};

// Offset of the attribute plane from the character plane: half the block.
int64_t attributeplaneoffset(const t_Window& window);
AddressRange characterplane(const t_Window& window);
AddressRange attributeplane(const t_Window& window);

// The cell (column, line), both counted from 1, or nothing when it is not a
// cell of the window or its bytes lie outside the window's text block.
std::optional<TextCellAddress> textcelladdress(const t_Window& window, int64_t column,
                                               int64_t line);
// The same address for any column and line from 1 on: a column beyond
// TextWidth runs on into the next line's cells. Nothing when the bytes lie
// outside the planes.
std::optional<TextCellAddress> textcelladdressbeyondarea(const t_Window& window, int64_t column,
                                                         int64_t line);

}  // namespace vx
