#include "console/control_codes.h"

#include <string>

#include "console/console_window.h"
#include "console/display_mode_mapping.h"
#include "console/cursor.h"
#include "console/display_mode.h"
#include "console/scrolling.h"
#include "runtime/beep.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

// Output routed to standard output receives each code as its character.
void writeredirectedcharacter(uint32_t code) {
  std::string character;
  appendscalar(character, code);
  log(character, "");
}

bool readytoact(const t_Window& w) {
  return MemoryReady && w.Initialized && w.TextMemoryStart >= 0 && w.TextRedirectOutput == OutputToWindow;
}

void act(uint8_t window, t_Window& w, uint32_t code) {
  switch (code) {
    case 7: t_Beep(); break;
    case 8: t_CursorLeft(window); break;
    case 10: t_CursorDown(window); break;
    case 11: t_ClearEndOfWindow(window); break;
    case 12:
      t_CursorHome(window);
      t_ClearEndOfWindow(window);
      break;
    case 13: t_Cr(window); break;
    case 14: t_Normal(window); break;
    case 15: t_Inverse(window); break;
    case 17: t_Reverse(window); break;
    case 18: t_Htab(window, 1); break;
    case 19: w.TextDisplayMode = DisplayModeNormal; break;
    case 20: w.TextDisplayMode = DisplayModeHighGlyphs; break;
    case 22: t_ScrollDown(window); break;
    case 23: t_ScrollUp(window); break;
    case 25: t_CursorHome(window); break;
    case 26:
      t_Htab(window, 1);
      t_ClearEndOfLine(window);
      break;
    case 27: w.TextDisplayMode = DisplayModeEscape; break;
    case 28: t_CursorRight(window); break;
    case 29: t_ClearEndOfLine(window); break;
    case 30: t_CursorUp(window); break;
    case 31: w.TextDisplayMode = DisplayModeGraphicGlyphs; break;
    default: break;  // 0..6, 9, 16, 21, 24 and above 31
  }
}

}  // namespace

void t_PrintControl(uint8_t window, uint32_t code) {
  if (window >= WindowTable.size()) {
    lognotgraphicwindow("t_PrintControl");
    return;
  }
  t_Window& w = WindowTable[window];
  if (readytoact(w)) {
    act(window, w, code);
  } else if (w.TextRedirectOutput == OutputToStandardOutput) {
    writeredirectedcharacter(code);
  } else if (w.TextRedirectOutput == OutputToWindow) {
    lognotinitialized("t_PrintControl", window);
  }
}

}  // namespace vx
