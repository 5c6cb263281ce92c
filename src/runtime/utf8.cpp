#include "runtime/utf8.h"

#include <cstdint>

namespace vx {

bool isunicodescalar(int64_t value) {
  return value >= 0 && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
}

namespace {

// Decodes one scalar starting at text[i]; advances i. Returns U+FFFD for a
// malformed sequence and consumes one byte in that case.
char32_t decodeone(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2, value = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, value = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, value = b0 & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + length > text.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k < length; ++k) {
    const uint8_t b = byte(i + k);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    value = (value << 6) | (b & 0x3F);
  }
  if (value < minimum || !isunicodescalar(value)) {
    ++i;
    return 0xFFFD;
  }
  i += length;
  return value;
}

}  // namespace

std::u32string utf8toscalars(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) out.push_back(decodeone(text, i));
  return out;
}

void appendscalar(std::string& out, char32_t c) {
  if (!isunicodescalar(c)) c = 0;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string scalarstoutf8(std::u32string_view scalars) {
  std::string out;
  out.reserve(scalars.size());
  for (char32_t c : scalars) appendscalar(out, c);
  return out;
}

int64_t scalarcount(std::string_view text) {
  int64_t n = 0;
  for (size_t i = 0; i < text.size();) {
    decodeone(text, i);
    ++n;
  }
  return n;
}

}  // namespace vx
