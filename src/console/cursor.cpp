#include "console/cursor.h"

#include "console/console_window.h"
#include "console/display_mode.h"
#include "console/scrolling.h"
#include "runtime/saturating.h"

namespace vx {

namespace {

t_Window* textwindow(std::string_view caller, uint8_t window) {
  return consolewindow(caller, window, ConsoleNeeds::TextMemory);
}

}  // namespace

void t_CursorHome(uint8_t window) {
  if (t_Window* slot = textwindow("t_CursorHome", window)) {
    slot->TextHpos = slot->TextFirstColumn;
    slot->TextVpos = slot->TextFirstLine;
  }
}

void t_CursorEnd(uint8_t window) {
  if (t_Window* slot = textwindow("t_CursorEnd", window)) {
    slot->TextHpos = slot->TextLastColumn;
    slot->TextVpos = slot->TextLastLine;
  }
}

void t_CursorLeft(uint8_t window) {
  t_Window* slot = textwindow("t_CursorLeft", window);
  if (!slot) return;
  slot->TextHpos = satsub(slot->TextHpos, 1);
  if (slot->TextHpos < slot->TextFirstColumn) {
    slot->TextHpos = slot->TextLastColumn;
    t_CursorUp(window);
  }
}

void t_CursorRight(uint8_t window) {
  t_Window* slot = textwindow("t_CursorRight", window);
  if (!slot) return;
  slot->TextHpos = satadd(slot->TextHpos, 1);
  if (slot->TextHpos > slot->TextLastColumn) t_Cr(window);
}

// With ScrollLock set the scroll does nothing and the cursor stays on the edge line.
void t_CursorUp(uint8_t window) {
  t_Window* slot = textwindow("t_CursorUp", window);
  if (!slot) return;
  slot->TextVpos = satsub(slot->TextVpos, 1);
  if (slot->TextVpos < slot->TextFirstLine) {
    t_ScrollDown(window);
    slot->TextVpos = satadd(slot->TextVpos, 1);
  }
}

void t_CursorDown(uint8_t window) {
  t_Window* slot = textwindow("t_CursorDown", window);
  if (!slot) return;
  slot->TextVpos = satadd(slot->TextVpos, 1);
  if (slot->TextVpos > slot->TextLastLine) {
    t_ScrollUp(window);
    slot->TextVpos = satsub(slot->TextVpos, 1);
  }
}

void t_Cr(uint8_t window) {
  t_Window* slot = textwindow("t_Cr", window);
  if (!slot) return;
  slot->TextHpos = slot->TextFirstColumn;
  slot->TextVpos = satadd(slot->TextVpos, 1);
  if (slot->TextVpos > slot->TextLastLine) {
    t_ScrollUp(window);
    slot->TextVpos = satsub(slot->TextVpos, 1);
  }
}

void t_Htab(uint8_t window, int64_t column) {
  t_Window* slot = textwindow("t_Htab", window);
  if (!slot) return;
  // Wide enough that no column and first column can overflow; a column that
  // passes lies between Int's ends.
  const __int128 absolute = static_cast<__int128>(column) + slot->TextFirstColumn - 1;
  if (column >= 1 && absolute <= slot->TextWidth) slot->TextHpos = static_cast<int64_t>(absolute);
}

void t_FullArea(uint8_t window) {
  t_Window* slot = consolewindow("t_FullArea", window, ConsoleNeeds::InitializedSlot);
  if (!slot) return;
  slot->TextFirstColumn = 1;
  slot->TextLastColumn = slot->TextWidth;
  slot->TextFirstLine = 1;
  slot->TextLastLine = slot->TextHeight;
}

void t_CursorDraw(uint8_t window) {
  if (t_Window* slot = textwindow("t_CursorDraw", window)) {
    t_InvertRect(window, slot->TextHpos, slot->TextVpos, slot->TextHpos, slot->TextVpos);
  }
}

void t_CursorOn(uint8_t window) {
  t_Window* slot = textwindow("t_CursorOn", window);
  if (!slot) return;
  slot->TextCursorLevel = satadd(slot->TextCursorLevel, 1);
  if (slot->TextCursorLevel == 1) t_CursorDraw(window);
}

void t_CursorOff(uint8_t window) {
  t_Window* slot = textwindow("t_CursorOff", window);
  if (!slot) return;
  slot->TextCursorLevel = satsub(slot->TextCursorLevel, 1);
  if (slot->TextCursorLevel == 0) t_CursorDraw(window);
}

}  // namespace vx
