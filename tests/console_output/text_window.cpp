#include "text_window.h"

#include <gtest/gtest.h>

#include "console/text_video_memory.h"
#include "windows/window_refresh.h"

namespace vxtest {
namespace {

constexpr int64_t GlyphWidth = 8;
constexpr int64_t GlyphHeight = 16;

vx::t_Font greyfont() {
  vx::t_Font font{.Format = 2, .End = 255, .Width = GlyphWidth, .Height = GlyphHeight, .Data = {}};
  for (int code = 0; code < 256; ++code)
    font.Data.insert(font.Data.end(), GlyphWidth * GlyphHeight, static_cast<uint8_t>(code));
  return font;
}

uint8_t& cellbyte(uint8_t window, int64_t column, int64_t line, bool attribute) {
  const auto cell = vx::textcelladdress(vx::WindowTable[window], column, line);
  EXPECT_TRUE(cell.has_value()) << "no cell (" << column << ", " << line << ")";
  const vx::TextCellAddress address = cell.value_or(vx::TextCellAddress{});
  return vx::ToolkitMemory[attribute ? address.attribute : address.character];
}

}  // namespace

vx::t_Window& opentextwindow(uint8_t window, int64_t columns, int64_t lines) {
  vx::useHeadlessHost();
  vx::t_InitWindow(window, 8, false, columns * GlyphWidth, lines * GlyphHeight, 0, 0, greyfont(),
                   true);
  // The refresh process reports its start on its own thread; let that line
  // come before whatever a test captures.
  EXPECT_TRUE(pumpuntil([] { return vx::autoupdateprocesses() > 0; }));
  vx::t_Window& w = vx::WindowTable[window];
  // A window opened again keeps its display state; each test starts plain.
  w.TextDisplayMode = 0;
  w.TextInverse = false;
  w.TextRedirectOutput = 1;
  w.TextCursorLevel = 0;
  EXPECT_TRUE(w.Initialized && w.TextWidth == columns && w.TextHeight == lines);
  return w;
}

void presskey(int slot, uint16_t keycode, const std::string& characters, uint64_t flags) {
  vx::viewKeyDown(slot, vx::HostKeyEvent{keycode, characters, flags});
}

uint8_t cellcode(uint8_t window, int64_t column, int64_t line) {
  return cellbyte(window, column, line, false);
}

uint8_t cellattribute(uint8_t window, int64_t column, int64_t line) {
  return cellbyte(window, column, line, true);
}

std::vector<uint8_t> linecodes(uint8_t window, int64_t line, int64_t count, bool attributes) {
  std::vector<uint8_t> cells;
  for (int64_t column = 1; column <= count; ++column) cells.push_back(cellbyte(window, column, line, attributes));
  return cells;
}

std::string linetext(uint8_t window, int64_t line) {
  std::string text;
  for (int64_t column = 1; column <= vx::WindowTable[window].TextWidth; ++column)
    vx::appendscalar(text, cellcode(window, column, line));
  return text;
}

}  // namespace vxtest
