// Printing arbitrary bytes, control codes and escape sequences included, into
// text windows of every depth, with the text area and the display state
// chosen by the input. Nothing outside the printed window's blocks may change.
#include <algorithm>
#include <cstring>

#include "fuzz_support.h"

using namespace vx;

namespace {

constexpr int64_t Columns = 12, Lines = 5, GlyphWidth = 4, GlyphHeight = 6;
constexpr int64_t Depths[] = {1, 4, 8, 16, 24, 32};
constexpr size_t Windows = std::size(Depths);

// Glyph c of this font is grey level (c + row + column) mod 256; the font
// lacks the codes below 8 and above 250, which are only recorded.
t_Font testfont() {
  t_Font font{.Format = FontFormatGrey, .Start = 8, .End = 250, .Width = GlyphWidth,
              .Height = GlyphHeight, .Data = {}};
  for (int code = 0; code < 256; ++code)
    for (int row = 0; row < GlyphHeight; ++row)
      for (int column = 0; column < GlyphWidth; ++column)
        font.Data.push_back(static_cast<uint8_t>(code + row + column));
  return font;
}

void openwindows() {
  static bool opened = false;
  if (opened) return;
  opened = true;
  vxfuzz::quiethost();
  for (size_t n = 0; n < Windows; ++n)
    t_InitWindow(static_cast<uint8_t>(n), Depths[n], false, Columns * GlyphWidth,
                 Lines * GlyphHeight, 0, 0, testfont(), true);
}

// Everything of the toolkit memory that holds video memory, except the
// blocks of window `n`: the other windows' blocks and what lies around them.
std::vector<uint8_t> outside(const t_Window& w) {
  const auto low = static_cast<size_t>(std::max<int64_t>(HighMemory + 1 - 4096, 0));
  std::vector<uint8_t> copy(ToolkitMemory.begin() + static_cast<ptrdiff_t>(low), ToolkitMemory.end());
  for (const auto& [first, last] : {std::pair{w.MemoryStart, w.MemoryEnd},
                                    std::pair{w.TextMemoryStart, w.TextMemoryEnd}}) {
    if (first < 0) continue;
    std::fill(copy.begin() + (first - static_cast<int64_t>(low)),
              copy.begin() + (last + 1 - static_cast<int64_t>(low)), 0);
  }
  return copy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  openwindows();
  vxfuzz::Input in(data, size);
  const uint8_t choice = in.byte();
  const auto n = static_cast<uint8_t>(choice % Windows);
  t_Window& w = WindowTable[n];
  // A text area inside the window and the cursor inside the area, as a
  // program leaves them.
  const int64_t c1 = 1 + in.byte() % Columns, c2 = c1 + in.byte() % (Columns - c1 + 1);
  const int64_t l1 = 1 + in.byte() % Lines, l2 = l1 + in.byte() % (Lines - l1 + 1);
  w.TextFirstColumn = c1;
  w.TextLastColumn = c2;
  w.TextFirstLine = l1;
  w.TextLastLine = l2;
  w.TextHpos = c1 + in.byte() % (c2 - c1 + 1);
  w.TextVpos = l1 + in.byte() % (l2 - l1 + 1);
  w.TextColor = in.byte();
  w.TextInverse = (choice & 0x40) != 0;
  w.ScrollLock = (choice & 0x80) != 0;
  w.TextDisplayMode = 0;
  w.TextRedirectOutput = 1;
  const std::vector<uint8_t> before = outside(w);
  if (choice & 0x20) {
    t_Print(n, in.reststring());  // UTF-8: characters above 255 too
  } else {
    t_Print(n, Text{in.rest()});
  }
  vxfuzz::require(outside(w) == before, "printing changed memory outside the window");
  return 0;
}
