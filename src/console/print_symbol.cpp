#include "console/print_symbol.h"

#include <span>
#include <string>

#include "console/console_window.h"
#include "console/font_resource.h"
#include "console/glyph_drawing.h"
#include "console/display_mode.h"
#include "console/text_video_memory.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/utf8.h"

namespace vx {

namespace {

constexpr std::string_view caller = "t_PrintSymbol";

void echocharacter(uint8_t code) {
  std::string text;
  appendscalar(text, code);
  log(text, "");
}

bool readyfortext(const t_Window& slot) {
  return MemoryReady && slot.Initialized && slot.TextMemoryStart >= 0;
}

// The glyph must fit the picture; the text area's size does not matter (a
// narrower font set later leaves room for more columns). Columns and lines
// below 1 would address bytes before the picture.
bool legalcell(const t_Window& slot, int64_t x, int64_t y) {
  if (x < 1 || y < 1) return false;
  const int64_t width = slot.Font.Width, height = slot.Font.Height;
  if (width > 0 && x > slot.Width / width) return false;
  if (height > 0 && y > slot.Height / height) return false;
  return true;
}

void logillegalcoordinates(uint8_t window, int64_t x, int64_t y) {
  log(std::string(caller) + ": Window #" + std::to_string(window) +
      " illegal coordinates (x = " + std::to_string(x) + ", y = " + std::to_string(y) + ").");
}

// Only uncompressed grey glyphs can be drawn; anything else is reported.
bool drawablefontformat(const t_Font& font) {
  if (font.Format == FontFormatGrey) return true;
  t_Font probe;  // no data: only the format is classified
  probe.Format = font.Format;
  const int64_t expanded = t_ExpandFont(probe).Format;
  if (expanded == FontFormatPlain || expanded == FontFormatGrey) {
    log(std::string(caller) + ": Font format must be uncompressed grey for text-printing.");
  } else {
    log(std::string(caller) + ": Illegal font format.");
  }
  return false;
}

// The glyph's bytes, or nothing when the font's data ends before them.
std::span<const uint8_t> glyphbytes(const t_Font& font, uint8_t code) {
  const int64_t size = font.Width * font.Height;
  const int64_t offset = code * size;
  if (size <= 0 || offset + size > static_cast<int64_t>(font.Data.size())) return {};
  return std::span<const uint8_t>(font.Data).subspan(static_cast<size_t>(offset),
                                                     static_cast<size_t>(size));
}

void drawcode(const t_Window& slot, uint8_t code, int64_t x, int64_t y, uint8_t foreground,
              uint8_t background) {
  const t_Font& font = slot.Font;
  if (code < font.Start || code > font.End || !drawablefontformat(font)) return;
  const std::span<const uint8_t> glyph = glyphbytes(font, code);
  if (glyph.empty()) return;
  const GlyphCell cell{(x - 1) * font.Width, (y - 1) * font.Height, font.Width, font.Height};
  drawglyph(slot, glyph, cell, foreground, background);
}

void recordcell(const t_Window& slot, uint8_t code, uint8_t attribute, int64_t x, int64_t y) {
  const std::optional<TextCellAddress> cell = textcelladdressbeyondarea(slot, x, y);
  if (!cell) return;
  ToolkitMemory[static_cast<size_t>(cell->character)] = code;
  ToolkitMemory[static_cast<size_t>(cell->attribute)] = attribute;
}

}  // namespace

void t_PrintSymbol(uint8_t window, uint8_t code, uint8_t colour, int64_t x, int64_t y) {
  if (window >= WindowTable.size()) {
    lognotgraphicwindow(caller);
    return;
  }
  const t_Window& slot = WindowTable[window];
  const int64_t routing = slot.TextRedirectOutput;
  if (!readyfortext(slot)) {
    if (routing == OutputToStandardOutput) echocharacter(code);
    if (routing == OutputToWindow) lognotinitialized(caller, window);
    return;
  }
  if (routing == OutputToStandardOutput) {
    echocharacter(code);
    return;
  }
  if (routing != OutputToWindow) return;
  if (slot.Font.Data.empty()) {
    lognotinitialized(caller, window);
    return;
  }
  if (!legalcell(slot, x, y)) {
    logillegalcoordinates(window, x, y);
    return;
  }
  const uint8_t high = colour >> 4;
  const uint8_t low = colour & 0x0F;
  const uint8_t foreground = slot.TextInverse ? low : high;
  const uint8_t background = slot.TextInverse ? high : low;
  drawcode(slot, code, x, y, foreground, background);
  recordcell(slot, code, static_cast<uint8_t>(foreground << 4 | background), x, y);
}

}  // namespace vx
