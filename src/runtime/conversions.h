#pragma once
// Numbers to and from decimal text, values to hexadecimal digits, and byte
// arrays to and from strings. Byte arrays hold 8-bit codes (Latin-1); a
// character above U+00FF travels in byte form as ESC, four hex digits, GS.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vx {

// The toolkit's byte string. Equal and hashed by its bytes.
struct Text {
  std::vector<uint8_t> Elements;
  friend bool operator==(const Text&, const Text&) = default;
};

// value in decimal, "." grouping thousands if asked, padded on the left to
// `width` characters with the scalar `padding` (no padding when it is negative).
std::string inttostring(int64_t value, int64_t padding, int64_t width, bool grouping);
// Leading spaces, an optional "-" (spaces may follow it), then decimal digits;
// wraps silently on overflow; anything else ends the number.
int64_t binarytoint(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> stringtobinary(const std::string& text);  // the UTF-8 bytes
std::string binarytostring(const std::vector<uint8_t>& bytes);  // Latin-1 plus escapes
// Shortest round-trip text with a decimal comma; a trailing ",0" is dropped.
std::string doubletostring(double value);
// Fixed point with a decimal comma, digits cut (never rounded); a negative
// `decimals` drops trailing zeros. `width` counts sign and integer digits only.
// At most MaxDecimals places are written: a larger |decimals| counts as that.
constexpr int64_t MaxDecimals = 32767;
std::string doubletoformattedstring(int64_t padding, int64_t width, int64_t decimals,
                                    bool grouping, double value);
std::string bytetohexstring(uint64_t value);
std::vector<uint8_t> uint16tohexbinary(uint64_t value);
std::vector<uint8_t> uint32tohexbinary(uint64_t value);
std::string uint32tohexstring(uint64_t value);
// Big-endian 32-bit word at a 0-based offset; 0 if the array is too short.
int64_t readuint32be(const std::vector<uint8_t>& bytes, int64_t offset);

}  // namespace vx

template <>
struct std::hash<vx::Text> {
  size_t operator()(const vx::Text& t) const noexcept {
    size_t h = 1469598103934665603ULL;
    for (uint8_t b : t.Elements) h = (h ^ b) * 1099511628211ULL;
    return h;
  }
};
