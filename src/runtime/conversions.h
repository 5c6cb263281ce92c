#pragma once
/// \file
/// Numbers to and from decimal text, values to hexadecimal digits, and byte
/// arrays to and from strings. Byte arrays hold 8-bit codes (Latin-1); a
/// character above U+00FF travels in byte form as ESC, four hex digits, GS.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vx {

/// The toolkit's byte string. Equal and hashed by its bytes.
struct Text {
  std::vector<uint8_t> Elements;  ///< the bytes, 8-bit codes
  friend bool operator==(const Text&, const Text&) = default;  ///< equal when every field is
};

/// value in decimal, "." grouping thousands if asked, padded on the left to
/// `width` characters with the scalar `padding` (no padding when it is negative).
std::string inttostring(int64_t value, int64_t padding, int64_t width, bool grouping);
/// Leading spaces, an optional "-" (spaces may follow it), then decimal digits;
/// wraps silently on overflow; anything else ends the number.
int64_t binarytoint(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> stringtobinary(const std::string& text);  ///< the UTF-8 bytes
std::string binarytostring(const std::vector<uint8_t>& bytes);  ///< Latin-1 plus escapes
/// Shortest round-trip text with a decimal comma; a trailing ",0" is dropped.
std::string doubletostring(double value);
/// The most decimal places doubletoformattedstring writes; a larger |decimals|
/// counts as that.
constexpr int64_t MaxDecimals = 32767;
/// `value` in fixed point with a decimal comma and `decimals` places, cut
/// rather than rounded (negative: trailing zeros dropped), "." grouping
/// thousands if asked, padded on the left with the scalar `padding` to
/// `width` sign and integer characters.
std::string doubletoformattedstring(int64_t padding, int64_t width, int64_t decimals,
                                    bool grouping, double value);
/// The low byte as two hexadecimal digits of HexDigitTable (upper case once
/// initvxtools has built it).
std::string bytetohexstring(uint64_t value);
/// The low 16 bits as four upper-case hexadecimal digits, in bytes.
std::vector<uint8_t> uint16tohexbinary(uint64_t value);
/// The low 32 bits as eight upper-case hexadecimal digits, in bytes.
std::vector<uint8_t> uint32tohexbinary(uint64_t value);
/// The low 32 bits as eight upper-case hexadecimal digits.
std::string uint32tohexstring(uint64_t value);
/// Big-endian 32-bit word at a 0-based offset; 0 if the array is too short.
int64_t readuint32be(const std::vector<uint8_t>& bytes, int64_t offset);

}  // namespace vx

/// Hashes a Text by its bytes, so that it can key an unordered container.
template <>
struct std::hash<vx::Text> {
  size_t operator()(const vx::Text& t) const noexcept {
    // FNV-1a over 64 bits on every platform, folded to size_t where it is
    // narrower (32 bits in WebAssembly).
    uint64_t h = 1469598103934665603ULL;
    for (uint8_t b : t.Elements) h = (h ^ b) * 1099511628211ULL;
    return static_cast<size_t>(h ^ (h >> 32));
  }
};
