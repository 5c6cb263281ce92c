#pragma once
/// \file
/// Run-length encoding of byte arrays read as big-endian elements of 1, 2, 3 or
/// 4 bytes. A stream starts with a marker element M, the element that occurs
/// least (24 bits: prefix + 0x55; 32 bits: 0x55 + prefix + 0x55). Then, per run
/// of n equal elements V:
///   V != M, n = 1..3   V written n times
///   V == M, n = 1..3   M, n
///   n = 4..239         M, n, V
///   n = 240..65535     M, 240, n in 2 bytes, V
///   n >= 65536         M, 241, n in 4 bytes, V
/// An input too short to gain anything, or not made of whole elements, comes
/// back unchanged (see rleencodes). These streams are read by other software:
/// every byte counts.
#include <cstdint>
#include <span>
#include <vector>

#include "codecs/decoded.h"

namespace vx {

/// Encodes `data` as elements of 1 byte; an input of fewer than four elements
/// comes back unchanged.
std::vector<uint8_t> binary8torle(const std::vector<uint8_t>& data);
/// Encodes `data` as big-endian elements of 2 bytes; an input of fewer than
/// four whole elements, or of a length that is no multiple of 2, comes back unchanged.
std::vector<uint8_t> binary16torle(const std::vector<uint8_t>& data);
/// binary16torle for elements of 3 bytes.
std::vector<uint8_t> binary24torle(const std::vector<uint8_t>& data);
/// binary16torle for elements of 4 bytes.
std::vector<uint8_t> binary32torle(const std::vector<uint8_t>& data);

/// Whether an input of `length` bytes is encoded with elements of `width`
/// bytes, rather than returned as it is: at least four whole elements.
bool rleencodes(int64_t length, int64_t width);

// The decoders need the decoded length, which a reader knows from its own
// header: only that tells encoded data from data the encoder left alone. A
// stream that is malformed, cut short or decodes to another length gives an
// empty array and one diagnostic line; it is refused before anything is
// written, so that the work and memory a stream costs never exceed the length
// the caller expects.

/// Decodes a stream of 1-byte elements to `length` bytes; a stream that the
/// encoder left alone (too short to encode) comes back as it is. A stream
/// that is malformed, cut short or decodes to another length gives an empty
/// array and one diagnostic line, found before anything is written.
std::vector<uint8_t> rle8tobinary(const std::vector<uint8_t>& stream, int64_t length);
/// rle8tobinary for elements of 2 bytes.
std::vector<uint8_t> rle16tobinary(const std::vector<uint8_t>& stream, int64_t length);
/// rle8tobinary for elements of 3 bytes.
std::vector<uint8_t> rle24tobinary(const std::vector<uint8_t>& stream, int64_t length);
/// rle8tobinary for elements of 4 bytes.
std::vector<uint8_t> rle32tobinary(const std::vector<uint8_t>& stream, int64_t length);
/// The same for elements of `width` bytes (1 to 4), answering the problem
/// instead of writing it: for callers that report it in their own words.
Decoded runlengthdecoded(const std::vector<uint8_t>& stream, int width, int64_t length);
// The same, the decoded bytes written after `prefix` (a header the caller
// keeps in front of them), so that no second copy of them is made.
Decoded runlengthdecoded(std::span<const uint8_t> stream, int width, int64_t length, std::vector<uint8_t> prefix);

}  // namespace vx
