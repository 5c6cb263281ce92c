#include "console/console_window.h"
#include "console/display_mode.h"
#include "console/print_symbol.h"
#include "console/text_video_memory.h"
#include "runtime/memory.h"

namespace vx {

void t_Normal(uint8_t window) {
  if (t_Window* slot = consolewindow("t_Normal", window, ConsoleNeeds::InitializedSlot)) {
    slot->TextInverse = false;
  }
}

void t_Inverse(uint8_t window) {
  if (t_Window* slot = consolewindow("t_Inverse", window, ConsoleNeeds::InitializedSlot)) {
    slot->TextInverse = true;
  }
}

void t_Reverse(uint8_t window) {
  if (t_Window* slot = consolewindow("t_Reverse", window, ConsoleNeeds::InitializedSlot)) {
    slot->TextInverse = !slot->TextInverse;
  }
}

void t_InvertRect(uint8_t window, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  t_Window* slot = consolewindow("t_InvertRect", window, ConsoleNeeds::TextMemory);
  if (!slot) return;
  if (!(1 <= x1 && x1 <= x2 && x2 <= slot->TextWidth)) return;
  if (!(1 <= y1 && y1 <= y2 && y2 <= slot->TextHeight)) return;
  const bool inverse = slot->TextInverse;
  slot->TextInverse = true;
  for (int64_t y = y1; y <= y2; ++y) {
    for (int64_t x = x1; x <= x2; ++x) {
      const std::optional<TextCellAddress> cell = textcelladdress(*slot, x, y);
      if (!cell) continue;
      t_PrintSymbol(window, ToolkitMemory[static_cast<size_t>(cell->character)],
                    ToolkitMemory[static_cast<size_t>(cell->attribute)], x, y);
    }
  }
  slot->TextInverse = inverse;
}

}  // namespace vx
