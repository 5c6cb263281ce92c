#include "console/input_field.h"

#include <algorithm>
#include <optional>

#include "events/event_state.h"
#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/saturating.h"
#include "runtime/tables.h"
#include "runtime/text.h"
#include "runtime/utf8.h"

namespace vx {
namespace {

constexpr char32_t Escape = 27;
constexpr char32_t GroupSeparator = 29;
constexpr size_t EscapeSequenceLength = 6;  // ESC, four hex digits, GS

// The character a well-formed escape sequence at `i` names, or none.
std::optional<char32_t> escapedcharacter(const std::u32string& text, size_t i) {
  if (text[i] != Escape || i + EscapeSequenceLength > text.size() ||
      text[i + EscapeSequenceLength - 1] != GroupSeparator)
    return std::nullopt;
  int64_t value = 0;
  for (size_t k = i + 1; k < i + 5; ++k) {
    const int64_t digit = text[k] <= 255 ? HexValueTable[text[k]] : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + digit;
  }
  return isunicodescalar(value) ? static_cast<char32_t>(value) : U'\0';
}

// The field's text with every well-formed escape sequence replaced by the
// character it names; anything malformed stays as it is.
std::u32string unescaped(const std::u32string& text) {
  std::u32string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (const auto character = escapedcharacter(text, i)) {
      plain += *character;
      i += EscapeSequenceLength - 1;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::string pasteboardline() {
  std::string text = onmainthread([] { return host().pasteboardString().value_or(""); });
  for (char& byte : text)
    if (byte == '\n') byte = '\r';
  return firstlineofstring(text);
}

}  // namespace

void copyfield(const t_Window& w) {
  const std::string plain = scalarstoutf8(unescaped(fieldtext(w)));
  onmainthread([&plain] {
    host().pasteboardClear();
    host().pasteboardSetString(plain);
  });
}

int64_t fieldcapacity(const t_Window& w) {
  return std::max<int64_t>(0, std::min(w.InputMaxCharacters, satsub(w.TextLastColumn, w.InputHpos)));
}

void queuepastedkeys(const t_Window& w) {
  std::u32string line = utf8toscalars(pasteboardline());
  // Every key beyond what the whole field can hold would be refused anyway;
  // a pasted line of millions of characters queues no more than that.
  line.resize(std::min(line.size(), static_cast<size_t>(fieldcapacity(w))));
  for (char32_t character : line) {
    // A character beyond the 8-bit set goes as one key with its own code, not
    // as its escape sequence, whose ESC would end the input.
    t_Event key;
    key.Kind = 1;
    key.Description = scalarstoutf8(std::u32string(1, character));
    key.Value = character;
    key.Window = 1;
    key.Time = eventtime();
    queuekeyevent(std::move(key));
  }
}

std::u32string escapesequence(char32_t character) {
  std::u32string sequence(1, Escape);
  for (int shift = 12; shift >= 0; shift -= 4) sequence += HexDigitTable[(character >> shift) & 15];
  sequence += GroupSeparator;
  return sequence;
}

}  // namespace vx
