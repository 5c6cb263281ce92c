#include "console/screen_text.h"

#include <algorithm>
#include <vector>

#include "console/repeat_bound.h"
#include "console/console_window.h"
#include "console/cursor.h"
#include "console/print.h"
#include "console/print_symbol.h"
#include "console/text_video_memory.h"
#include "runtime/conversions.h"
#include "runtime/memory.h"
#include "runtime/saturating.h"
#include "runtime/text.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

constexpr char CarriageReturn = 13;

std::string screencharacters(const t_Window& w, const std::string& lineEnd) {
  std::string screen;
  for (int64_t line = 1; line <= w.TextHeight; ++line) {
    for (int64_t column = 1; column <= w.TextWidth; ++column) {
      const auto cell = textcelladdress(w, column, line);
      // "Text kopieren" reads the cells on the main thread while the program
      // may be printing, as views read pictures: through readpicturebytes.
      uint8_t code = 32;
      if (cell) readpicturebytes(&ToolkitMemory[static_cast<size_t>(cell->character)], 1, &code);
      appendscalar(screen, code);
    }
    screen += lineEnd;
  }
  return screen;
}

std::vector<std::string> splitatcr(const std::string& text) {
  std::vector<std::string> pieces(1);
  for (char byte : text) {
    if (byte == CarriageReturn) {
      pieces.emplace_back();
    } else {
      pieces.back() += byte;
    }
  }
  return pieces;
}

bool isvalidutf8(const std::string& text) {
  // Malformed bytes decode as U+FFFD, which encodes differently from them.
  return scalarstoutf8(utf8toscalars(text)) == text;
}

std::string trimmedlines(const std::string& screen) {
  std::vector<std::string> pieces = splitatcr(screen);
  for (std::string& piece : pieces)
    while (!piece.empty() && piece.back() == ' ') piece.pop_back();
  while (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
  std::string joined = pieces.front();
  for (size_t i = 1; i < pieces.size(); ++i) joined += CarriageReturn + pieces[i];
  if (isvalidutf8(joined)) return joined;
  return binarytostring(std::vector<uint8_t>(joined.begin(), joined.end()));
}

// Glyph `code` into cells first..last of line y, at most MaxRepeatedCharacters
// of them from `first` on (every cell beyond the picture is reported).
void drawglyphrun(uint8_t window, uint8_t code, uint8_t colour, int64_t first, int64_t last, int64_t y) {
  forcolumns(first, last, [&](int64_t x) { t_PrintSymbol(window, code, colour, x, y); });
}

}  // namespace

void t_TextHline(uint8_t window, int64_t x1, int64_t x2, int64_t y, uint8_t code) {
  const t_Window* w = consolewindow("t_TextHline", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  drawglyphrun(window, code, w->TextColor, x1, x2, y);
}

void t_TextLine(uint8_t window) {
  const t_Window* w = consolewindow("t_TextLine", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  drawglyphrun(window, HorizontalLineGlyph, w->TextColor, w->TextHpos, w->TextLastColumn, w->TextVpos);
  t_Cr(window);
}

void t_Header(uint8_t window, const std::string& left, const std::string& right) {
  const t_Window* w = consolewindow("t_Header", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  const uint8_t colour = w->TextColor;
  const std::u32string line =
      utf8toscalars(padbetween(left, right, satadd(satsub(w->TextLastColumn, w->TextFirstColumn), 1)));
  t_Print(window, line.size() < 2 ? std::string() : scalarstoutf8(line.substr(0, line.size() - 1)));
  if (!line.empty()) {
    // A character beyond the 8-bit set shows as it does when printed.
    const char32_t last = line.back();
    const uint8_t code = last <= 255 ? static_cast<uint8_t>(last) : MissingGlyph;
    t_PrintSymbol(window, code, colour, w->TextHpos, w->TextVpos);
  }
  if (satsub(w->TextLastLine, w->TextFirstLine) < 1) {
    t_Htab(window, 1);
  } else {
    t_Cr(window);
  }
}

std::string t_GetScreen(uint8_t window, const std::string& lineEnd) {
  std::string screen;
  {
    // "Text kopieren" reads it on the main thread: the record whole.
    const auto reading = readslotgeometry();
    const t_Window* w = consolewindow("t_GetScreen", window, ConsoleNeeds::TextMemory);
    if (!w) return {};
    screen = screencharacters(*w, lineEnd);
  }
  if (lineEnd.empty()) return screen;
  return trimmedlines(screen);
}

}  // namespace vx
