#pragma once
// Helpers the line input's parts share: the field's text as scalars, its
// redrawing, and pasted text.
#include <cstdint>
#include <string>

#include "runtime/window_record.h"

namespace vx {

std::u32string fieldtext(const t_Window& w);
void setfieldtext(t_Window& w, const std::u32string& text);
// InputCursorPos within 0..length of the text.
int64_t fieldcursor(const t_Window& w);
// Puts the text cursor on the edit cursor (kept inside the window).
void placetextcursor(t_Window& w);
// Prints the field from its start in display mode 4, followed by `spaces` blanks.
void redrawfield(uint8_t window, t_Window& w, int64_t spaces);

// Whether the input mode accepts `code` at the cursor; answers the code to
// store ("." becomes "," and "E" becomes "e" in decimal mode) or -1.
int64_t acceptedcode(const t_Window& w, int64_t code);
// Inserts `codes` at the cursor as one unit: all of them, or none when they
// do not fit into the field.
bool insertcodes(uint8_t window, t_Window& w, const std::u32string& codes);

// Copy and paste with the general pasteboard. Paste queues one key event per
// character of the pasteboard's first line, after the keys already queued; the
// field takes them as typed keys (a pasted 8 moves left, 127 deletes). No more
// keys are queued than the field can hold characters (fieldcapacity).
void copyfield(const t_Window& w);
void queuepastedkeys(const t_Window& w);
// The most characters the field can ever hold: InputMaxCharacters, and no
// further than the column before the area's last.
int64_t fieldcapacity(const t_Window& w);
// ESC, the four upper-case hexadecimal digits of `character`, GS.
std::u32string escapesequence(char32_t character);

}  // namespace vx
