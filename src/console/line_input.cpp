#include "console/line_input.h"

#include "console/console_window.h"
#include "console/cursor.h"
#include "console/display_mode.h"
#include "console/input_field.h"
#include "console/print.h"
#include "events/wait_key.h"
#include "runtime/text.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

constexpr char32_t Space = U' ';

int64_t lengthof(const t_Window& w) { return scalarcount(w.InputString); }

void wordright(t_Window& w) {
  const std::u32string text = fieldtext(w);
  const int64_t length = static_cast<int64_t>(text.size());
  int64_t cursor = fieldcursor(w);
  if (cursor >= length) return;
  ++cursor;
  while (cursor < length && text[static_cast<size_t>(cursor) - 1] != Space) ++cursor;
  w.InputCursorPos = cursor;
}

void wordleft(t_Window& w) {
  const std::u32string text = fieldtext(w);
  int64_t cursor = fieldcursor(w);
  if (cursor <= 0) return;
  --cursor;
  while (cursor > 0 && text[static_cast<size_t>(cursor) - 1] != Space) --cursor;
  w.InputCursorPos = cursor;
}

void deleteright(uint8_t window, t_Window& w) {
  std::u32string text = fieldtext(w);
  const int64_t cursor = fieldcursor(w);
  if (cursor < static_cast<int64_t>(text.size())) text.erase(static_cast<size_t>(cursor), 1);
  setfieldtext(w, text);
  redrawfield(window, w, 1);
}

void deleteleft(uint8_t window, t_Window& w) {
  std::u32string text = fieldtext(w);
  const int64_t cursor = fieldcursor(w);
  if (cursor == 0) return;
  text.erase(static_cast<size_t>(cursor) - 1, 1);
  setfieldtext(w, text);
  w.InputCursorPos = cursor - 1;
  redrawfield(window, w, 1);
}

void deletebeforecursor(uint8_t window, t_Window& w) {
  std::u32string text = fieldtext(w);
  const int64_t oldlength = static_cast<int64_t>(text.size());
  text.erase(0, static_cast<size_t>(fieldcursor(w)));
  setfieldtext(w, text);
  w.InputCursorPos = 0;
  redrawfield(window, w, oldlength - static_cast<int64_t>(text.size()));
}

// Empties the field and blanks the old text on screen.
void emptyfield(uint8_t window, t_Window& w) {
  const int64_t oldlength = lengthof(w);
  w.InputString.clear();
  w.InputCursorPos = 0;
  w.TextHpos = w.InputHpos;
  t_PrintSpc(window, oldlength);
}

int64_t digitvalue(const std::string& key) {
  const int64_t code = firstscalar(key);
  return code >= '0' && code <= '9' ? code - '0' : -1;
}

// Up to three digits typed after Ctrl-^ give a character code; the key that
// ends the entry early is used up.
void decimalcodeentry(uint8_t window, t_Window& w) {
  int64_t value = 0;
  for (int digits = 0; digits < 3; ++digits) {
    const int64_t digit = digitvalue(t_WaitKey(window));
    if (digit < 0) {
      if (digits == 0) return;
      break;
    }
    value = value * 10 + digit;
  }
  const int64_t lowest = w.InputMode == InputAnyTextCodes ? 1 : 32;
  if (value >= lowest && value <= 255) t_InputInsert(window, value);
}

void applykey(uint8_t window, t_Window& w, int64_t code) {
  switch (code) {
    case InputRedrawKey: redrawfield(window, w, 0); break;
    case InputHomeKey: case InputUpKey: case InputPageUpKey: case InputControlRKey:
      w.InputCursorPos = 0;
      break;
    case InputPageDownKey: case InputEndKey: case InputControlFKey: case InputDownKey:
      w.InputCursorPos = lengthof(w);
      break;
    case InputWordRightKey: wordright(w); break;
    case InputWordLeftKey: wordleft(w); break;
    case InputLeftKey: w.InputCursorPos = fieldcursor(w) - 1; break;
    case InputRightKey: w.InputCursorPos = fieldcursor(w) + 1; break;
    case InputForwardDeleteKey: deleteright(window, w); break;
    case InputBackspaceKey: deleteleft(window, w); break;
    case InputDeleteToStartKey: deletebeforecursor(window, w); break;
    case InputEmptyKey: emptyfield(window, w); break;
    case InputEscapeKey:
      emptyfield(window, w);
      w.InputFinished = false;
      break;
    case InputReturnKey: w.InputFinished = true; break;
    case InputCopyKey: copyfield(w); break;
    case InputPasteKey: queuepastedkeys(w); break;
    case InputCodeEntryKey: decimalcodeentry(window, w); break;
    default:
      if (code >= 32 && code != InputBackspaceKey) t_InputInsert(window, code);
      break;  // the other control codes and the cursor placement do nothing more
  }
}

}  // namespace

std::string t_InputForm(uint8_t window, const std::string& prompt, const std::string& defaultText,
                        bool noEdit, int64_t mode, int64_t maxCharacters) {
  t_Window* w = consolewindow("t_InputForm", window, ConsoleNeeds::TextMemory);
  if (!w) return {};
  w->TextDisplayMode = DisplayModeColouredControls;
  t_Print(window, prompt);
  w->TextDisplayMode = DisplayModeNormal;
  w->InputHpos = w->TextHpos;
  w->InputVpos = w->TextVpos;
  w->InputMode = mode;
  w->InputMaxCharacters = maxCharacters;
  w->InputString = maxCharacters < 1 ? std::string() : midstring(defaultText, 1, maxCharacters);
  w->InputFinished = false;
  w->InputCursorPos = lengthof(*w);
  t_Print(window, w->InputString);
  if (noEdit) return w->InputString;
  int64_t code = 0;
  do {
    t_InputEdit(window, InputPlaceCursorKey);
    code = firstscalar(t_WaitKey(window));
    t_InputEdit(window, code);
  } while (code != InputReturnKey && code != InputEscapeKey);
  t_Cr(window);
  return w->InputString;
}

void t_InputEdit(uint8_t window, int64_t code) {
  t_Window* w = consolewindow("t_InputEdit", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  placetextcursor(*w);
  applykey(window, *w, code);
  w->InputCursorPos = fieldcursor(*w);
}

void t_InputInsert(uint8_t window, int64_t code) {
  t_Window* w = consolewindow("t_InputInsert", window, ConsoleNeeds::TextMemory);
  if (!w) return;
  const int64_t accepted = acceptedcode(*w, code);
  if (accepted < 0 || !isunicodescalar(accepted)) return;
  const auto character = static_cast<char32_t>(accepted);
  // A character beyond the 8-bit set is carried as its escape sequence, which
  // goes in whole or not at all.
  insertcodes(window, *w, character <= 255 ? std::u32string(1, character) : escapesequence(character));
}

}  // namespace vx
