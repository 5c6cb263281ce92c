#include "text_window.h"

#include "console/text_video_memory.h"

namespace vxtest {
namespace {

vx::t_Font greyfont() {
  vx::t_Font font;
  font.Format = 2;
  font.Start = 0;
  font.End = 255;
  font.Width = GlyphWidth;
  font.Height = GlyphHeight;
  for (int code = 0; code < 256; ++code)
    font.Data.insert(font.Data.end(), GlyphWidth * GlyphHeight, static_cast<uint8_t>(code));
  return font;
}

// Takes `size` bytes below the high-memory pointer, on a 1 KiB boundary.
int64_t carve(int64_t size) {
  const int64_t start = (vx::HighMemory - size + 1) / 1024 * 1024;
  vx::HighMemory = start - 1;
  return start;
}

vx::TextCellAddress address(uint8_t window, int64_t column, int64_t line) {
  const auto cell = vx::textcelladdress(vx::WindowTable[window], column, line);
  return cell.value_or(vx::TextCellAddress{});
}

}  // namespace

vx::t_Window& opentextwindow(uint8_t window, int64_t columns, int64_t lines) {
  vx::useHeadlessHost();
  vx::t_InitMemory();
  vx::t_Window& w = vx::WindowTable[window];
  w = vx::t_Window{};
  w.BitDepth = 8;
  w.Width = columns * GlyphWidth;
  w.Height = lines * GlyphHeight;
  w.MemoryEnd = vx::HighMemory;
  w.MemoryStart = carve(w.Width * w.Height);
  w.TextMemoryEnd = vx::HighMemory;
  w.TextMemoryStart = carve(columns * lines * 2);
  w.Font = greyfont();
  w.TextWidth = columns;
  w.TextHeight = lines;
  w.TextFirstColumn = 1;
  w.TextLastColumn = columns;
  w.TextFirstLine = 1;
  w.TextLastLine = lines;
  w.TextHpos = 1;
  w.TextVpos = 1;
  w.TextColor = 0xC0;
  w.View = vx::t_GetWindowView(window);
  w.Window = vx::t_GetHostWindow(window);
  for (int64_t line = 1; line <= lines; ++line) {
    for (int64_t column = 1; column <= columns; ++column) {
      const vx::TextCellAddress cell = address(window, column, line);
      vx::ToolkitMemory[cell.character] = ' ';
      vx::ToolkitMemory[cell.attribute] = w.TextColor;
    }
  }
  w.Initialized = true;
  return w;
}

uint8_t cellcode(uint8_t window, int64_t column, int64_t line) {
  return vx::ToolkitMemory[address(window, column, line).character];
}

uint8_t cellattribute(uint8_t window, int64_t column, int64_t line) {
  return vx::ToolkitMemory[address(window, column, line).attribute];
}

std::string linetext(uint8_t window, int64_t line) {
  std::string text;
  for (int64_t column = 1; column <= vx::WindowTable[window].TextWidth; ++column)
    vx::appendscalar(text, cellcode(window, column, line));
  return text;
}

}  // namespace vxtest
