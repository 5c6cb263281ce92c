#include "console/text_video_memory.h"

#include <algorithm>

#include "runtime/memory.h"

namespace vx {

namespace {

bool inside(const AddressRange& range, int64_t address) {
  return address >= range.first && address <= range.last;
}

// The text block, cut to the toolkit memory.
AddressRange textblock(const t_Window& window) {
  if (window.TextMemoryStart < 0) return {};
  const int64_t top = static_cast<int64_t>(ToolkitMemory.size()) - 1;
  return {window.TextMemoryStart, std::min(window.TextMemoryEnd, top)};
}

}  // namespace

int64_t attributeplaneoffset(const t_Window& window) {
  return (window.TextMemoryEnd - window.TextMemoryStart + 1) / 2;
}

AddressRange characterplane(const t_Window& window) {
  const AddressRange block = textblock(window);
  return {block.first, std::min(block.last, block.first + attributeplaneoffset(window) - 1)};
}

AddressRange attributeplane(const t_Window& window) {
  const AddressRange block = textblock(window);
  return {block.first + attributeplaneoffset(window), block.last};
}

std::optional<TextCellAddress> textcelladdress(const t_Window& window, int64_t column,
                                               int64_t line) {
  if (column > window.TextWidth || line > window.TextHeight) return std::nullopt;
  return textcelladdressbeyondarea(window, column, line);
}

std::optional<TextCellAddress> textcelladdressbeyondarea(const t_Window& window, int64_t column,
                                                         int64_t line) {
  // Columns and lines come from pictures of at most 8192 pixels, so the
  // product stays small; anything larger is no cell at all.
  constexpr int64_t limit = int64_t{1} << 24;
  if (column < 1 || line < 1 || column > limit || line > limit || window.TextWidth < 0 ||
      window.TextWidth > limit) {
    return std::nullopt;
  }
  const int64_t character =
      window.TextMemoryStart + (line - 1) * window.TextWidth + (column - 1);
  const TextCellAddress cell{character, character + attributeplaneoffset(window)};
  if (!inside(characterplane(window), cell.character) ||
      !inside(attributeplane(window), cell.attribute)) {
    return std::nullopt;
  }
  return cell;
}

}  // namespace vx
