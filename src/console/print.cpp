#include "console/print.h"

#include <algorithm>
#include <span>

#include "console/repeat_bound.h"
#include "console/console_window.h"
#include "console/control_codes.h"
#include "console/display_mode_mapping.h"
#include "console/cursor.h"
#include "console/display_mode.h"
#include "console/print_symbol.h"
#include "console/output_pause.h"
#include "graphics/colors.h"
#include "runtime/log.h"
#include "runtime/saturating.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

constexpr int64_t CtrlS = 19;
constexpr uint32_t CarriageReturn = 13;

// A printable window: it passes the console test and has a font.
t_Window* printablewindow(uint8_t window) {
  t_Window* w = consolewindow("t_Print", window, ConsoleNeeds::TextMemory);
  if (w && w->Font.Data.empty()) {
    log("t_Print: Window #" + std::to_string(window) + " has no text font.");
    return nullptr;
  }
  return w;
}

// Draws what the display mode made of a character and stores the display
// state it answered; a negative code draws nothing and leaves the cursor.
void drawdisplayed(uint8_t window, t_Window& w, DisplayedCharacter shown) {
  if (shown.code == -2) return;  // the window failed its test: nothing to store into
  if (shown.code >= 0) {
    t_PrintSymbol(window, static_cast<uint8_t>(shown.code), w.TextColor, w.TextHpos, w.TextVpos);
    t_CursorRight(window);
  }
  w.TextInverse = shown.inverse;
  w.TextColor = shown.colour;
}

void printcharacter(uint8_t window, t_Window& w, uint32_t character) {
  if (character < 32 && w.TextDisplayMode < DisplayModeInverseControls) {
    if (character == CarriageReturn) t_CheckPause(CtrlS, true);
    t_PrintControl(window, character);
    return;
  }
  DisplayedCharacter shown = t_ApplyDisplayMode(window, character);
  if (shown.code >= 256) {
    if (w.TextDisplayMode == DisplayModeColouredControls) t_Color(window, 1);
    shown.code = MissingGlyph;
  }
  drawdisplayed(window, w, shown);
}

template <typename Character>
void printall(uint8_t window, std::span<const Character> characters) {
  t_Window* w = printablewindow(window);
  if (!w) return;
  for (Character character : characters) printcharacter(window, *w, static_cast<uint32_t>(character));
  t_CheckPause(CtrlS, true);
}

}  // namespace

void t_Print(uint8_t window, const std::string& text) {
  const std::u32string scalars = utf8toscalars(text);
  printall(window, std::span<const char32_t>(scalars));
}

void t_Print(uint8_t window, const Text& text) {
  printall(window, std::span<const uint8_t>(text.Elements));
}

void t_PrintChar(uint8_t window, uint8_t code) {
  t_Window* w = consolewindow("t_PrintChar", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  DisplayedCharacter shown = t_ApplyDisplayMode(window, code);
  if (shown.code >= 256) shown.code = -1;  // only glyphs 0..255 are drawn
  drawdisplayed(window, *w, shown);
}

void t_PrintTab(uint8_t window, int64_t column, uint8_t fill) {
  const t_Window* w = consolewindow("t_PrintTab", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  const int64_t count = std::min(satsub(column, w->TextHpos), MaxRepeatedCharacters);
  for (int64_t n = 0; n < count; ++n) t_PrintChar(window, fill);
}

void t_PrintSpc(uint8_t window, int64_t count) {
  if (!consolewindow("t_PrintSpc", window, ConsoleNeeds::TextMemory)) return;
  count = std::min(count, MaxRepeatedCharacters);
  for (int64_t n = 0; n < count; ++n) t_PrintChar(window, 32);
}

}  // namespace vx
