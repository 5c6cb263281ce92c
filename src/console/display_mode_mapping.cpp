#include "console/display_mode_mapping.h"

#include "console/console_window.h"
#include "console/cursor.h"
#include "console/scrolling.h"
#include "console/display_mode.h"
#include "console/print.h"
#include "graphics/colors.h"
#include "runtime/saturating.h"

namespace vx {
namespace {

constexpr char Caller[] = "t_ApplyDisplayMode";

// TextWidth − TextFirstColumn + 1, held inside Int whatever the fields hold.
int64_t areacolumns(const t_Window& w) { return satadd(satsub(w.TextWidth, w.TextFirstColumn), 1); }

// Tab to the next stop of a grid `grid` columns wide, or to the next line when
// the stop lies beyond the area.
void tabtogrid(uint8_t window, t_Window& w, int64_t grid) {
  const int64_t stop = satadd((w.TextHpos / grid) * grid, grid + 1);
  if (areacolumns(w) < stop) {
    t_ClearEndOfLine(window);
    t_Cr(window);
  } else {
    t_PrintTab(window, stop, 32);
  }
}

// An escape command; false when the character is none (the escape goes on).
bool escapecommand(uint8_t window, t_Window& w, uint32_t character, DisplayedCharacter& result) {
  if (character >= 80 && character <= 95) {
    result.colour = static_cast<uint8_t>((result.colour & 0xF0) | (character - 80));
  } else if (character >= 64 && character <= 79) {
    result.colour = static_cast<uint8_t>(((character - 64) << 4) | (result.colour & 0x0F));
  } else if (character == 'e') {
    t_CursorEnd(window);
  } else if (character == 'f') {
    t_Htab(window, areacolumns(w));
  } else if (character == 'i' || character == 'j' || character == 'k') {
    tabtogrid(window, w, character == 'i' ? 10 : character == 'j' ? 20 : 40);
  } else if (character >= 110 && character <= 127) {
    t_ColorBorder(window, static_cast<int64_t>(character) - 110);
  } else {
    return false;
  }
  result.code = -1;
  return true;
}

int64_t highglyph(uint32_t character) {
  return character >= 32 && character <= 127 ? character + 128 : character;
}

int64_t shiftedglyph(uint32_t character) {
  if (character >= 96 && character <= 127) return character + 32;
  if (character >= 64 && character <= 95) return character - 64;
  return character;
}

}  // namespace

DisplayedCharacter t_ApplyDisplayMode(uint8_t window, uint32_t character) {
  t_Window* w = consolewindow(Caller, window, ConsoleNeeds::TextMemory);
  if (!w) return {};
  DisplayedCharacter result{character, w->TextInverse, w->TextColor};
  const bool control = character < 32;
  switch (w->TextDisplayMode) {
    case DisplayModeHighGlyphs: result.code = highglyph(character); break;
    case DisplayModeGraphicGlyphs: result.code = shiftedglyph(character); break;
    case DisplayModeInverseControls:
      if (control) {
        t_Inverse(window);
        result.code = character + 64;
      }
      break;
    case DisplayModeColouredControls:
      if (control) {
        t_Color(window, 1);
        result.code = character + 64;
      }
      break;
    case DisplayModeEscape:
      // The escape lasts until a character it knows as a command arrives.
      if (escapecommand(window, *w, character, result)) w->TextDisplayMode = DisplayModeNormal;
      break;
    default: break;
  }
  return result;
}

}  // namespace vx
