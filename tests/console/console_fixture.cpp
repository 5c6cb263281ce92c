#include "console_fixture.h"

#include <algorithm>

using namespace vx;

namespace consoletest {

namespace {

// A format 2 font for codes 0..255 whose pixel (row, column) of glyph `code`
// has the grey level pattern(code, row, column).
template <typename Pattern>
t_Font makefont(int64_t width, int64_t height, Pattern pattern) {
  t_Font font{.Format = 2, .Start = 0, .End = 255, .Width = width, .Height = height, .Data = {}};
  for (int code = 0; code < 256; ++code)
    for (int64_t row = 0; row < height; ++row)
      for (int64_t column = 0; column < width; ++column)
        font.Data.push_back(pattern(static_cast<uint8_t>(code), row, column));
  return font;
}

// Takes a block from high memory the way window initialisation does.
int64_t carve(int64_t need) {
  const int64_t start = (HighMemory - need + 1) / 1024 * 1024;
  HighMemory = start - 1;
  return start;
}

}  // namespace

t_Font flatfont(int64_t width, int64_t height, uint8_t grey) {
  return makefont(width, height, [grey](uint8_t, int64_t, int64_t) { return grey; });
}

t_Font numberedfont(int64_t width, int64_t height) {
  return makefont(width, height, [width](uint8_t code, int64_t row, int64_t column) {
    return static_cast<uint8_t>(code + row * width + column);
  });
}

void opentextwindow(uint8_t window, int64_t depth, int64_t columns, int64_t lines,
                    const t_Font& font) {
  useHeadlessHost();
  t_InitMemory();
  t_Window& w = WindowTable[window];
  w.BitDepth = depth;
  w.Width = columns * font.Width;
  w.Height = lines * font.Height;
  const int64_t need = w.Height * w.Width * depth / 8;
  w.MemoryEnd = HighMemory;
  w.MemoryStart = carve(need);
  w.TextMemoryEnd = HighMemory;
  w.TextMemoryStart = carve(columns * lines * 2);
  w.TextWidth = w.TextLastColumn = columns;
  w.TextHeight = w.TextLastLine = lines;
  w.TextFirstColumn = w.TextFirstLine = w.TextHpos = w.TextVpos = 1;
  w.TextColor = 0xC0;
  w.Font = font;
  std::fill_n(ToolkitMemory.begin() + w.MemoryStart, need, 0);
  const int64_t half = (w.TextMemoryEnd - w.TextMemoryStart + 1) / 2;
  std::fill_n(ToolkitMemory.begin() + w.TextMemoryStart, columns * lines, ' ');
  std::fill_n(ToolkitMemory.begin() + w.TextMemoryStart + half, columns * lines, 0xC0);
  w.Initialized = true;
}

uint8_t cellcode(uint8_t window, int64_t column, int64_t line) {
  const t_Window& w = WindowTable[window];
  return ToolkitMemory.at(w.TextMemoryStart + (line - 1) * w.TextWidth + column - 1);
}

uint8_t cellattribute(uint8_t window, int64_t column, int64_t line) {
  const t_Window& w = WindowTable[window];
  const int64_t half = (w.TextMemoryEnd - w.TextMemoryStart + 1) / 2;
  return ToolkitMemory.at(w.TextMemoryStart + half + (line - 1) * w.TextWidth + column - 1);
}

uint8_t& pixelbyte(uint8_t window, int64_t x, int64_t y) {
  const t_Window& w = WindowTable[window];
  return ToolkitMemory.at(w.MemoryStart + (y * w.Width + x) * (w.BitDepth / 8));
}

std::vector<uint8_t> cellpixels(uint8_t window, int64_t column, int64_t line) {
  const t_Window& w = WindowTable[window];
  const int64_t bytes = w.BitDepth / 8;
  std::vector<uint8_t> pixels;
  for (int64_t row = 0; row < w.Font.Height; ++row) {
    const int64_t y = (line - 1) * w.Font.Height + row;
    const int64_t x = (column - 1) * w.Font.Width;
    const uint8_t* first = &pixelbyte(window, x, y);
    pixels.insert(pixels.end(), first, first + w.Font.Width * bytes);
  }
  return pixels;
}

std::string screen(uint8_t window) {
  std::string text;
  for (int64_t y = 1; y <= WindowTable[window].TextHeight; ++y) {
    for (int64_t x = 1; x <= WindowTable[window].TextWidth; ++x) text += static_cast<char>(cellcode(window, x, y));
    text += '|';
  }
  return text;
}

void printrow(uint8_t window, const std::string& text, int64_t column, int64_t line,
              uint8_t colour) {
  for (size_t i = 0; i < text.size(); ++i) {
    t_PrintSymbol(window, static_cast<uint8_t>(text[i]), colour,
                  column + static_cast<int64_t>(i), line);
  }
}

}  // namespace consoletest
