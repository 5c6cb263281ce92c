#include "console/scrolling.h"

#include <algorithm>

#include "console/repeat_bound.h"
#include "console/bounded_move.h"
#include "console/console_window.h"
#include "console/print_symbol.h"
#include "console/text_video_memory.h"
#include "console/print.h"
#include "runtime/memory.h"
#include "runtime/saturating.h"

namespace vx {

namespace {

enum class Direction { Up, Down };

// The window's picture, cut to its graphic block and the toolkit memory.
AddressRange picturebytes(const t_Window& slot) {
  if (slot.MemoryStart < 0) return {};
  const int64_t size = satmul(satmul(slot.Width, slot.Height), slot.BitDepth) / 8;
  return {slot.MemoryStart, std::min(satadd(slot.MemoryStart, size - 1), slot.MemoryEnd)};
}

// Saturating, like every sum below: the fields may hold anything a program
// stored, and a saturated address only makes the bounded move drop the part
// that leaves the window's memory.
int64_t pixeladdress(const t_Window& slot, int64_t x, int64_t y) {
  return satadd(slot.MemoryStart, satmul(satadd(satmul(y, slot.Width), x), slot.BitDepth) / 8);
}

// Moves whole lines of the area by one line: characters, attributes and the
// pixels of the glyphs, each inside its own part of the window's memory.
void fastscroll(const t_Window& slot, Direction direction) {
  const int64_t l1 = slot.TextFirstLine;
  const int64_t l2 = slot.TextLastLine;
  const int64_t columns = slot.TextWidth;
  const int64_t half = attributeplaneoffset(slot);
  const int64_t glyphwidth = slot.Font.Width;
  const int64_t glyphheight = slot.Font.Height;
  // Lines l1 + 1..l2 move to l1 (up), or lines l1..l2 - 1 move to l1 + 1 (down).
  const int64_t firstmoved = direction == Direction::Up ? l1 : satsub(l1, 1);  // 0-based line
  const int64_t linestep = direction == Direction::Up ? -1 : 1;

  const int64_t textsource = satadd(slot.TextMemoryStart, satmul(columns, firstmoved));
  const int64_t textcount = satmul(columns, satsub(l2, l1));
  boundedmove(textsource, satadd(textsource, satmul(linestep, columns)), textcount, characterplane(slot));
  boundedmove(satadd(textsource, half), satadd(satadd(textsource, half), satmul(linestep, columns)), textcount,
              attributeplane(slot));

  const int64_t pixelsource = pixeladdress(slot, 0, satmul(glyphheight, firstmoved));
  const int64_t pixelend = pixeladdress(slot, satmul(glyphwidth, columns),
                                        satsub(satmul(glyphheight, satadd(firstmoved, satsub(l2, l1))), 1));
  const int64_t linebytes = satmul(satmul(slot.BitDepth, glyphheight), slot.Width) / 8;
  boundedmove(pixelsource, satadd(pixelsource, satmul(linestep, linebytes)), satsub(pixelend, pixelsource),
              picturebytes(slot));
}

// Redraws each cell of the area from the cell one line below (up) or above
// (down), in plain video, since the attributes already hold the colours drawn.
void slowscroll(uint8_t window, t_Window& slot, Direction direction) {
  const int64_t l1 = slot.TextFirstLine;
  const int64_t l2 = slot.TextLastLine;
  const bool inverse = slot.TextInverse;
  slot.TextInverse = false;
  const int64_t count = std::min(satsub(l2, l1), MaxRepeatedCharacters);
  for (int64_t step = 0; step < count; ++step) {
    const int64_t y = direction == Direction::Up ? l1 + step : l2 - step;
    const int64_t from = direction == Direction::Up ? y + 1 : y - 1;
    if (from < 1 || from > slot.TextHeight) continue;  // no cells to copy
    // Columns outside 1..TextWidth have no cells either.
    const int64_t first = std::max<int64_t>(slot.TextFirstColumn, 1);
    forcolumns(first, std::min(slot.TextLastColumn, slot.TextWidth), [&](int64_t x) {
      const std::optional<TextCellAddress> cell = textcelladdress(slot, x, from);
      if (!cell) return;
      t_PrintSymbol(window, ToolkitMemory[static_cast<size_t>(cell->character)],
                    ToolkitMemory[static_cast<size_t>(cell->attribute)], x, y);
    });
  }
  slot.TextInverse = inverse;
}

// Only the columns the picture has hold cells; one left or right of it would
// only be reported, and a cursor or area a program set far outside would
// make that tens of thousands of reports a line.
void clearline(uint8_t window, const t_Window& slot, int64_t line, int64_t fromcolumn) {
  const int64_t picturecolumns = slot.Font.Width > 0 ? slot.Width / slot.Font.Width : 0;
  forcolumns(std::max<int64_t>(fromcolumn, 1), std::min(slot.TextLastColumn, picturecolumns),
             [&](int64_t x) { t_PrintSymbol(window, ' ', slot.TextColor, x, line); });
}

void scroll(std::string_view caller, uint8_t window, Direction direction) {
  // A locked slot never scrolls and says nothing, not even that it is not
  // initialised: the lock is tested before the window.
  if (window < WindowTable.size() && WindowTable[window].ScrollLock) return;
  t_Window* slot = consolewindow(caller, window, ConsoleNeeds::TextMemory);
  if (!slot) return;
  const bool wholelines = slot->TextFirstColumn == 1 && slot->TextLastColumn == slot->TextWidth;
  if (wholelines) {
    fastscroll(*slot, direction);
  } else {
    slowscroll(window, *slot, direction);
  }
  const int64_t cleared = direction == Direction::Up ? slot->TextLastLine : slot->TextFirstLine;
  clearline(window, *slot, cleared, slot->TextFirstColumn);
}

}  // namespace

void t_ScrollUp(uint8_t window) { scroll("t_ScrollUp", window, Direction::Up); }

void t_ScrollDown(uint8_t window) { scroll("t_ScrollDown", window, Direction::Down); }

void t_ClearEndOfLine(uint8_t window) {
  t_Window* slot = consolewindow("t_ClearEndOfLine", window, ConsoleNeeds::TextMemory);
  if (slot) clearline(window, *slot, slot->TextVpos, slot->TextHpos);
}

void t_ClearEndOfWindow(uint8_t window) {
  t_Window* slot = consolewindow("t_ClearEndOfWindow", window, ConsoleNeeds::TextMemory);
  if (!slot) return;
  const int64_t hpos = slot->TextHpos;
  const int64_t vpos = slot->TextVpos;
  t_ClearEndOfLine(window);
  if (slot->TextVpos < slot->TextLastLine) {
    slot->TextHpos = slot->TextFirstColumn;
    // Only the lines the picture has hold cells; a line above or below it
    // would only report each of its cells (a cursor or area a program set
    // far outside would otherwise clear up to 32 767 lines of 32 767 cells).
    const int64_t picturelines = slot->Font.Height > 0 ? slot->Height / slot->Font.Height : 0;
    const int64_t first = std::max<int64_t>(satadd(vpos, 1), 1);
    forcolumns(first, std::min(slot->TextLastLine, picturelines), [&](int64_t line) {
      slot->TextVpos = line;
      t_ClearEndOfLine(window);
    });
  }
  slot->TextHpos = hpos;
  slot->TextVpos = vpos;
}

}  // namespace vx
