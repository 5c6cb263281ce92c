// Sequences of library calls, decoded from the input: windows made and made
// again at every depth, drawing, printing, cursor moves, window placement,
// captures, clicks, and record fields a program set to anything. After each
// call the toolkit's promises about its memory must hold: every initialised
// slot's video blocks lie inside the toolkit memory above HighMemory and no
// two of them overlap; in a window whose record the sequence left alone, the
// text cursor stays in the text area and the last plotted point on the
// picture. Calls whose work grows with a count (spaces, tabs, lines of
// glyphs) get small counts or the smallest Int, to keep runs fast; their
// positions may be anything.
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "fuzz_support.h"
#include "events/view_events.h"
#include "runtime/saturating.h"

using namespace vx;

namespace {

constexpr int64_t Depths[] = {1, 4, 8, 16, 24, 32, 2, 0};
constexpr int64_t Sides[] = {32, 40, 48, 64, 100, 33, 35};

// The slots whose record the sequence changed by hand since they were made.
bool touched[8] = {};

t_Font testfont(int64_t width, int64_t height) {
  t_Font font{.Format = FontFormatGrey, .Start = 0, .End = 255, .Width = width, .Height = height, .Data = {}};
  font.Data.assign(static_cast<size_t>(256 * width * height), 0x80);
  return font;
}

// A coordinate: mostly near a small picture, sometimes any Int.
int64_t coordinate(vxfuzz::Input& in) {
  const uint8_t kind = in.byte();
  if (kind < 200) return static_cast<int64_t>(in.byte()) - 64;
  return in.anyint();
}

// A count: small, or the smallest Int. (The largest is cut to 32 767
// characters, some seconds of glyphs under the sanitizers; the unit tests
// hold that cap.)
int64_t count(vxfuzz::Input& in) {
  const uint8_t kind = in.byte();
  if (kind >= 254) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(kind % 40) - 4;
}

double hostcoordinate(vxfuzz::Input& in) {
  switch (in.byte() % 6) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return std::numeric_limits<double>::infinity();
    case 2: return -std::numeric_limits<double>::infinity();
    case 3: return 1e300;
    default: return static_cast<double>(coordinate(in)) + 0.25;
  }
}

void makewindow(vxfuzz::Input& in, uint8_t slot) {
  const int64_t depth = Depths[in.byte() % std::size(Depths)];
  const int64_t width = Sides[in.byte() % std::size(Sides)];
  const int64_t height = Sides[in.byte() % std::size(Sides)];
  const uint8_t style = in.byte();
  const int64_t border = style & 1 ? in.anyint() : style % 8;
  const t_Font font = style & 2 ? testfont(1 + style / 64, 1 + (style >> 2) % 8) : t_Font{};
  t_InitWindow(slot, depth, (style & 4) != 0, width, height, border, border, font, true);
  if (slot < 8) touched[slot] = false;
}

void changefield(vxfuzz::Input& in, uint8_t slot) {
  if (slot >= 8) return;
  t_Window& w = WindowTable[slot];
  const int64_t value = in.anyint();
  int64_t* fields[] = {&w.Width, &w.Height, &w.BorderWidth, &w.BorderHeight, &w.TitleHeight,
                       &w.TextFirstColumn, &w.TextLastColumn, &w.TextFirstLine, &w.TextLastLine,
                       &w.TextHpos, &w.TextWidth, &w.TextHeight, &w.PositionX};
  // The cursor's line is shared with the views, so it is not a plain field.
  const size_t which = in.byte() % (std::size(fields) + 1);
  if (which == std::size(fields))
    w.TextVpos = value;
  else
    *fields[which] = value;
  touched[slot] = true;
}

void movecursor(vxfuzz::Input& in, uint8_t slot) {
  switch (in.byte() % 9) {
    case 0: t_CursorLeft(slot); break;
    case 1: t_CursorRight(slot); break;
    case 2: t_CursorUp(slot); break;
    case 3: t_CursorDown(slot); break;
    case 4: t_Cr(slot); break;
    case 5: t_ScrollUp(slot); break;
    case 6: t_ScrollDown(slot); break;
    case 7: t_ClearEndOfWindow(slot); break;
    default: t_CursorEnd(slot); break;
  }
}

void click(vxfuzz::Input& in, uint8_t slot) {
  HostMouseEvent event;
  event.windowX = hostcoordinate(in);
  event.windowY = hostcoordinate(in);
  t_MouseEventHandler(slot, event, event.windowX, event.windowY);
  while (MouseEventQueue.takefirst()) {
  }
}

void placewindow(vxfuzz::Input& in, uint8_t slot) {
  const int64_t x = in.anyint(), y = in.anyint(), width = in.anyint(), height = in.anyint();
  t_WindowSize(slot, x, y, width, height);
  for (int64_t code = 0; code <= 21; ++code) (void)t_WindowPos(slot, code);
}

void call(vxfuzz::Input& in) {
  const uint8_t op = in.byte();
  const auto slot = static_cast<uint8_t>(in.byte() % 9);
  switch (op % 16) {
    case 0: makewindow(in, slot); break;
    case 1: g_Plot(slot, coordinate(in), coordinate(in)); break;
    case 2: {
      const int64_t x0 = coordinate(in), y0 = coordinate(in), x1 = coordinate(in), y1 = coordinate(in);
      g_Line(slot, x0, y0, x1, y1);
      break;
    }
    case 3: g_ClearScreen(slot, in.byte(), coordinate(in)); break;
    case 4: {
      std::string text;
      for (int n = in.byte() % 12; n > 0; --n) text += static_cast<char>(in.byte());
      t_Print(slot, Text{std::vector<uint8_t>(text.begin(), text.end())});
      break;
    }
    case 5: t_PrintSpc(slot, count(in)); break;
    case 6: t_PrintTab(slot, slot < 8 ? satadd(WindowTable[slot].TextHpos, count(in)) : count(in), in.byte()); break;
    case 7: t_Htab(slot, in.anyint()); break;
    case 8: {
      const int64_t x1 = coordinate(in);
      t_TextHline(slot, x1, satadd(x1, count(in)), coordinate(in), in.byte());
      break;
    }
    case 9: placewindow(in, slot); break;
    case 10: click(in, slot); break;
    case 11: changefield(in, slot); break;
    case 12: (void)g_GetScreenRect(slot, coordinate(in), coordinate(in), coordinate(in), coordinate(in)); break;
    case 13: g_DrawVelmorandine(slot, coordinate(in) % 200, coordinate(in) % 200, coordinate(in) % 200,
                                coordinate(in) % 200, in.byte()); break;
    case 14: movecursor(in, slot); break;
    default: (void)t_WindowImage(slot); break;
  }
}

bool overlap(int64_t a0, int64_t a1, int64_t b0, int64_t b1) { return a0 <= b1 && b0 <= a1; }

// The memory promises of the window table, and the cursor and plot position
// of the windows the sequence left alone.
void checkinvariants() {
  if (!MemoryReady) return;
  const auto size = static_cast<int64_t>(ToolkitMemory.size());
  vxfuzz::require(HighMemory >= ReservedLowMemory - 1 && HighMemory <= InitialHighMemory, "HighMemory out of range");
  std::vector<std::pair<int64_t, int64_t>> blocks;
  for (uint8_t n = 0; n < 8; ++n) {
    const t_Window& w = WindowTable[n];
    if (!w.Initialized) continue;
    blocks.emplace_back(w.MemoryStart, w.MemoryEnd);
    if (w.TextMemoryStart >= 0) blocks.emplace_back(w.TextMemoryStart, w.TextMemoryEnd);
    if (touched[n]) continue;
    if (w.TextMemoryStart >= 0 && w.TextWidth > 0 && w.TextHeight > 0)
      vxfuzz::require(w.TextHpos >= 1 && w.TextHpos <= w.TextWidth && w.TextVpos >= 1 && w.TextVpos <= w.TextHeight,
                      "text cursor outside the text area");
    vxfuzz::require(w.PositionX >= 0 && w.PositionY >= 0 && (w.PositionX < w.Width || w.PositionX == 0) &&
                        (w.PositionY < w.Height || w.PositionY == 0),
                    "plot position outside the picture");
  }
  for (size_t i = 0; i < blocks.size(); ++i) {
    const auto [first, last] = blocks[i];
    vxfuzz::require(first > HighMemory && first <= last && last < size, "video block outside the memory");
    for (size_t k = i + 1; k < blocks.size(); ++k)
      vxfuzz::require(!overlap(first, last, blocks[k].first, blocks[k].second), "video blocks overlap");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::quiethost();
  vxfuzz::Input in(data, size);
  for (int calls = 0; calls < 24 && in.remaining() > 0; ++calls) {
    call(in);
    checkinvariants();
    vxfuzz::quiethost().runpendingtasks();
  }
  return 0;
}
