#pragma once
/// \file
/// The six formats a window's picture may be stored in, known by their bit
/// depth, and the format codes of a graphic: one code for a picture taken from
/// a window of each depth, and the codes each stage of saving it gives. Other
/// software reads these codes from ".gr" files: their values are fixed.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vx {

/// The codes of a picture taken from a window, one per depth.
constexpr int64_t g_FormatBit = 0;        ///< depth 1: one byte per pixel, palette index 0 or 15
constexpr int64_t g_FormatNibble = 1;     ///< depth 4: one byte per pixel, palette index
constexpr int64_t g_FormatByte = 2;       ///< depth 8: one byte per pixel, grey level
constexpr int64_t g_FormatRGBColor = 3;   ///< depth 24: red, green, blue
constexpr int64_t g_FormatAGrey = 4;      ///< depth 16: alpha, grey level
constexpr int64_t g_FormatARGBColor = 5;  ///< depth 32: alpha, red, green, blue
/// The codes of the save stages.
constexpr int64_t g_FormatPackedBit = 10;  ///< one-bit pixels packed eight to a byte
constexpr int64_t g_FormatPackedNibble = 11;  ///< palette indexes packed two to a byte
constexpr int64_t g_FormatPackedAGrey = 14;  ///< one alpha byte that every pixel shares, then the grey levels
constexpr int64_t g_FormatPackedARGBColor = 15;  ///< one alpha byte that every pixel shares, then Red, Green, Blue
constexpr int64_t g_FormatRLE = 20;   ///< added to the format it encodes
constexpr int64_t g_FormatLZW = 100;  ///< added to the format it encodes

/// One pixel format: the window's bit depth, the code of a picture taken from
/// such a window and the bytes each of its pixels takes in that picture.
struct PixelFormat {
  int64_t depth;  ///< bits per pixel in the window
  int64_t code;  ///< the format code of a picture taken from such a window
  int64_t graphicbytes;  ///< bytes a pixel takes in that picture
};

/// The six formats, in the order of their codes.
constexpr std::array<PixelFormat, 6> PixelFormats{{
    {1, g_FormatBit, 1},
    {4, g_FormatNibble, 1},
    {8, g_FormatByte, 1},
    {24, g_FormatRGBColor, 3},
    {16, g_FormatAGrey, 2},
    {32, g_FormatARGBColor, 4},
}};
// graphicwindowdepth and graphicpixelbytes look a code up by its place.
static_assert([] {
  for (std::size_t code = 0; code < PixelFormats.size(); ++code)
    if (PixelFormats[code].code != static_cast<int64_t>(code)) return false;
  return true;
}());

/// Whether a window can have this depth: 1, 4, 8, 16, 24 or 32 bits per pixel.
constexpr bool isSupportedBitDepth(int64_t bitdepth) {
  for (const PixelFormat& format : PixelFormats)
    if (format.depth == bitdepth) return true;
  return false;
}

/// Bytes per picture row at a bit depth (1 and 4 bits count whole bytes
/// only); -1 when the depth is none of the six.
constexpr int64_t pictureRowBytes(int64_t bitdepth, int64_t width) {
  if (!isSupportedBitDepth(bitdepth)) return -1;
  return bitdepth < 8 ? width / (8 / bitdepth) : width * (bitdepth / 8);
}

/// The code of a picture taken from a window of this depth; -1 when the depth
/// is none of the six.
constexpr int64_t graphicformatofdepth(int64_t bitdepth) {
  for (const PixelFormat& format : PixelFormats)
    if (format.depth == bitdepth) return format.code;
  return -1;
}

/// Bits per pixel in the window the capture format (0-5) came from (1, 4, 8,
/// 24, 16, 32); 0 for any other code.
constexpr int64_t graphicwindowdepth(int64_t baseformat) {
  return baseformat >= 0 && baseformat < static_cast<int64_t>(PixelFormats.size())
             ? PixelFormats[static_cast<std::size_t>(baseformat)].depth
             : 0;
}

/// Bytes per pixel of a picture in a capture format (0-5); 0 for any other code.
constexpr int64_t graphicpixelbytes(int64_t baseformat) {
  return baseformat >= 0 && baseformat < static_cast<int64_t>(PixelFormats.size())
             ? PixelFormats[static_cast<std::size_t>(baseformat)].graphicbytes
             : 0;
}

}  // namespace vx
