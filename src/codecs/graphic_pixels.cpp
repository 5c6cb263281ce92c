#include "codecs/graphic_pixels.h"

#include "codecs/graphic_formats.h"
#include "graphics/palette.h"

namespace vx {
namespace {

void put(std::vector<uint8_t>& out, t_RGBColor colour, bool alpha) {
  out.insert(out.end(), {colour.Red, colour.Green, colour.Blue});
  if (alpha) out.push_back(colour.Alpha);
}

// One pixel of a capture format, starting at `p`.
t_RGBColor colourat(int64_t format, const uint8_t* p) {
  switch (format) {
    case g_FormatBit: return t_PaletteColor(p[0] != 0 ? 15 : 0);
    case g_FormatNibble: return t_PaletteColor(p[0] & 0x0F);
    case g_FormatByte: return {255, p[0], p[0], p[0]};
    case g_FormatRGBColor: return {255, p[0], p[1], p[2]};
    case g_FormatAGrey: return {p[0], p[1], p[1], p[1]};
    default: return {p[0], p[1], p[2], p[3]};
  }
}

}  // namespace

GraphicPixels graphicpixels(const t_Graphic& decoded) {
  GraphicPixels pixels;
  const int64_t format = decoded.Format;
  constexpr int64_t LargestSide = 0xFFFF;
  if (format < 0 || format > g_FormatARGBColor || decoded.Width < 0 || decoded.Height < 0 ||
      decoded.Width > LargestSide || decoded.Height > LargestSide ||
      decoded.Size != decoded.Width * decoded.Height ||
      static_cast<int64_t>(decoded.Data.size()) != graphicdatalength(format, decoded.Width, decoded.Height))
    return pixels;
  pixels.Width = decoded.Width;
  pixels.Height = decoded.Height;
  pixels.HasAlpha = format == g_FormatAGrey || format == g_FormatARGBColor;
  const auto stride = static_cast<size_t>(graphicpixelbytes(format));
  pixels.Samples.reserve(static_cast<size_t>(decoded.Size) * (pixels.HasAlpha ? 4 : 3));
  for (size_t at = 0; at + stride <= decoded.Data.size(); at += stride)
    put(pixels.Samples, colourat(format, &decoded.Data[at]), pixels.HasAlpha);
  return pixels;
}

}  // namespace vx
