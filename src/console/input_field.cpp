#include "console/input_field.h"

#include <algorithm>

#include "console/display_mode.h"
#include "console/line_input.h"
#include "console/print.h"
#include "runtime/text.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

bool isdigit(int64_t code) { return code >= '0' && code <= '9'; }

bool contains(const std::u32string& text, char32_t c) {
  return text.find(c) != std::u32string::npos;
}

int64_t integercode(int64_t code, int64_t cursor) {
  if (isdigit(code) || (code == '-' && cursor == 0)) return code;
  return -1;
}

int64_t decimalcode(const std::u32string& text, int64_t code, int64_t cursor) {
  if (isdigit(code)) return code;
  if ((code == ',' || code == '.') && !contains(text, U',')) return ',';
  if (code == 'e' && !contains(text, U'e')) return 'e';
  if (code == '-' && (cursor == 0 || text[static_cast<size_t>(cursor) - 1] == U'e')) return '-';
  return -1;
}

int64_t dashedcode(const std::u32string& text, int64_t code, int64_t cursor) {
  if (isdigit(code) || (code == '-' && cursor != 0 && !contains(text, U'-'))) return code;
  return -1;
}

}  // namespace

std::u32string fieldtext(const t_Window& w) { return utf8toscalars(w.InputString); }

void setfieldtext(t_Window& w, const std::u32string& text) { w.InputString = scalarstoutf8(text); }

int64_t fieldcursor(const t_Window& w) {
  return std::clamp<int64_t>(w.InputCursorPos, 0, scalarcount(w.InputString));
}

void placetextcursor(t_Window& w) {
  w.TextVpos = w.InputVpos;
  w.TextHpos = std::clamp<int64_t>(w.InputHpos + fieldcursor(w), 1, std::max<int64_t>(w.TextWidth, 1));
}

void redrawfield(uint8_t window, t_Window& w, int64_t spaces) {
  w.TextHpos = w.InputHpos;
  w.TextDisplayMode = DisplayModeColouredControls;
  t_Print(window, w.InputString + std::string(static_cast<size_t>(std::max<int64_t>(spaces, 0)), ' '));
  w.TextDisplayMode = DisplayModeNormal;
}

int64_t acceptedcode(const t_Window& w, int64_t code) {
  const std::u32string text = fieldtext(w);
  const int64_t cursor = fieldcursor(w);
  switch (w.InputMode) {
    case InputInteger: return integercode(code, cursor);
    case InputDecimal: return decimalcode(text, lowercasescalar(code), cursor);
    case InputDashedDigits: return dashedcode(text, code, cursor);
    default: return code == 0 ? -1 : code;
  }
}

bool insertcodes(uint8_t window, t_Window& w, const std::u32string& codes) {
  std::u32string text = fieldtext(w);
  const int64_t length = static_cast<int64_t>(text.size() + codes.size());
  // The field ends before the area's last column.
  if (length > w.InputMaxCharacters || w.InputHpos + length > w.TextLastColumn) return false;
  const int64_t cursor = fieldcursor(w);
  text.insert(static_cast<size_t>(cursor), codes);
  setfieldtext(w, text);
  w.InputCursorPos = cursor + static_cast<int64_t>(codes.size());
  redrawfield(window, w, 0);
  return true;
}

}  // namespace vx
