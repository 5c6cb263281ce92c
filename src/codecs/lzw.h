#pragma once
/// \file
/// Lempel-Ziv-Welch coding of byte arrays. Codes 0-255 stand for the single
/// bytes; every new string takes the next code from 256 on. The dictionary is
/// never cleared and has no largest code, so the code width grows with the
/// input. The stored form is one byte holding the code width w, followed by the
/// codes packed w bits each, most significant bit first, the last byte padded
/// with zero bits.
#include <cstdint>
#include <vector>

#include "codecs/decoded.h"

namespace vx {

/// The codes of an LZW-coded text, before they are packed.
struct LZWCodes {
  std::vector<int64_t> Codes;  ///< one code a string, in order
  int64_t Width = 8;  ///< the smallest width >= 8 that holds every code
};

/// Texts longer than this are refused by the decoders unless the caller asks for
/// more: a few hostile codes can otherwise describe terabytes.
inline constexpr int64_t LZWTextLimit = int64_t{1} << 30;

/// Encodes in one pass. On inputs large enough to take a while it prints a
/// progress line now and then ("texttolzwunpacked: 37% of 8.388.608 Bytes.").
LZWCodes texttolzwunpacked(const std::vector<uint8_t>& data);
/// The bytes the codes stand for, or an empty array when a code is invalid or
/// the text would be longer than `limit` (both reported with one line, and
/// found before any byte is written).
std::vector<uint8_t> lzwunpackedtotext(const std::vector<int64_t>& codes,
                                       int64_t limit = LZWTextLimit);

/// The low `width` bits of each code, packed. Widths outside 1..64 give an
/// empty array and a diagnostic line.
std::vector<uint8_t> lzwunpackedtopacked(const std::vector<int64_t>& codes, int64_t width);
/// Codes of `width` bits read back; bits left over at the end are dropped.
/// Widths outside 1..64 give an empty list and a diagnostic line.
std::vector<int64_t> lzwpackedtounpacked(const std::vector<uint8_t>& bytes, int64_t width);

/// The stored form of `data`: the code width, then the packed codes. An empty
/// input gives an empty stored form, and back.
std::vector<uint8_t> texttolzwstored(const std::vector<uint8_t>& data);
/// The text back out of its stored form; an empty array, after one
/// diagnostic line, when the stored form is cut short, holds an invalid code
/// or width, or decodes to more than `limit` bytes.
std::vector<uint8_t> lzwstoredtotext(const std::vector<uint8_t>& stored,
                                     int64_t limit = LZWTextLimit);

/// lzwunpackedtotext answering the problem instead of writing it, for callers
/// that report it in their own words. A text longer than `limit`, or, when `exact`
/// is not negative, of another length than `exact`, is refused before any of it
/// is written (a ShortOfEnd problem for a text that ends early).
Decoded lzwdecoded(const std::vector<int64_t>& codes, int64_t limit, int64_t exact = -1);
/// lzwstoredtotext answering the problem instead of writing it.
Decoded lzwstoreddecoded(const std::vector<uint8_t>& stored, int64_t limit, int64_t exact = -1);

// The first `limit` bytes of the text, for readers that use no more: the codes
// past them are neither written nor checked. An invalid code before them is
// refused as above.
Decoded lzwprefixdecoded(const std::vector<int64_t>& codes, int64_t limit);
Decoded lzwstoredprefix(const std::vector<uint8_t>& stored, int64_t limit);

}  // namespace vx
