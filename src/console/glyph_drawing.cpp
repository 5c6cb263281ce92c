#include "console/glyph_drawing.h"

#include <algorithm>

#include "console/glyph_colour.h"
#include "graphics/palette.h"
#include "graphics/picture_formats.h"
#include "runtime/memory.h"

namespace vx {

namespace {

// Everything a depth's painter needs, worked out once per glyph.
struct GlyphPaint {
  uint8_t* picture = nullptr;  // first byte of the window's picture
  int64_t width = 0;           // window width in pixels
  t_RGBColor foreground;
  t_RGBColor background;
  int64_t foregroundlevel = 0;
  int64_t backgroundlevel = 0;
};

// The offset of pixel (x, y) from the picture's first byte; for depth 1 and 4
// the byte that holds it, for the others its first byte.
int64_t pixeloffset(int64_t depth, int64_t width, int64_t x, int64_t y) {
  if (depth == 1) return y * (width >> 3) + x / 8;
  if (depth == 4) return y * (width / 2) + x / 2;
  return (y * width + x) * (depth / 8);
}

// Whether the cell lies inside the picture and every byte it paints inside
// the window's graphic block.
bool cellinsideblock(const t_Window& window, const GlyphCell& cell) {
  if (window.MemoryStart < 0 || cell.left < 0 || cell.top < 0) return false;
  if (cell.width <= 0 || cell.height <= 0) return false;
  if (cell.left + cell.width > window.Width || cell.top + cell.height > window.Height) return false;
  const int64_t depth = window.BitDepth;
  const int64_t top = std::min<int64_t>(window.MemoryEnd,
                                        static_cast<int64_t>(ToolkitMemory.size()) - 1);
  // Worked out wider than Int: a record a program made far larger than any
  // picture must not wrap the offset back into the block.
  using Wide = __int128;
  const Wide x = cell.left + cell.width - 1, y = cell.top + cell.height - 1;
  const Wide rowbytes = depth == 1 ? window.Width >> 3 : depth == 4 ? window.Width / 2 : Wide{window.Width} * (depth / 8);
  const Wide lastpixel = depth == 1 ? y * rowbytes + x / 8 : depth == 4 ? y * rowbytes + x / 2 : y * rowbytes + x * (depth / 8);
  const Wide lastbyte = window.MemoryStart + lastpixel + std::max<int64_t>(depth / 8, 1) - 1;
  return lastbyte <= top;
}

template <typename PaintPixel>
void foreachglyphpixel(std::span<const uint8_t> glyph, const GlyphCell& cell, PaintPixel paint) {
  size_t index = 0;
  for (int64_t row = 0; row < cell.height; ++row) {
    for (int64_t column = 0; column < cell.width; ++column) {
      paint(cell.left + column, cell.top + row, glyph[index++]);
    }
  }
}

void paintdepth1(const GlyphPaint& p, std::span<const uint8_t> glyph, const GlyphCell& cell) {
  foreachglyphpixel(glyph, cell, [&](int64_t x, int64_t y, uint8_t grey) {
    const t_RGBColor c = blendglyphcolour(grey, p.foreground, p.background);
    uint8_t& byte = p.picture[pixeloffset(1, p.width, x, y)];
    const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
    const bool light = c.Red + c.Green + c.Blue >= 384;
    byte = light ? static_cast<uint8_t>(byte | bit) : static_cast<uint8_t>(byte & ~bit);
  });
}

void paintdepth4(const GlyphPaint& p, std::span<const uint8_t> glyph, const GlyphCell& cell) {
  foreachglyphpixel(glyph, cell, [&](int64_t x, int64_t y, uint8_t grey) {
    const uint8_t index = nearestpaletteindex(blendglyphcolour(grey, p.foreground, p.background));
    uint8_t& byte = p.picture[pixeloffset(4, p.width, x, y)];
    byte = x % 2 == 0 ? static_cast<uint8_t>((byte & 0x0F) | (index << 4))
                      : static_cast<uint8_t>((byte & 0xF0) | index);
  });
}

// Depth 8 writes the level into the pixel's only byte, depth 16 into its
// second byte (the first is alpha and stays).
void paintlevels(const GlyphPaint& p, std::span<const uint8_t> glyph, const GlyphCell& cell,
                 int64_t depth) {
  const int64_t levelbyte = depth == 16 ? 1 : 0;
  foreachglyphpixel(glyph, cell, [&](int64_t x, int64_t y, uint8_t grey) {
    p.picture[pixeloffset(depth, p.width, x, y) + levelbyte] =
        blendglyphlevel(grey, p.foregroundlevel, p.backgroundlevel);
  });
}

// Depth 24 writes red, green, blue from the pixel's first byte, depth 32 from
// its second (the first is alpha and stays).
void paintcolours(const GlyphPaint& p, std::span<const uint8_t> glyph, const GlyphCell& cell,
                  int64_t depth) {
  const int64_t redbyte = depth == 32 ? 1 : 0;
  foreachglyphpixel(glyph, cell, [&](int64_t x, int64_t y, uint8_t grey) {
    const t_RGBColor c = blendglyphcolour(grey, p.foreground, p.background);
    uint8_t* pixel = p.picture + pixeloffset(depth, p.width, x, y) + redbyte;
    pixel[0] = c.Red;
    pixel[1] = c.Green;
    pixel[2] = c.Blue;
  });
}

}  // namespace

void drawglyph(const t_Window& window, std::span<const uint8_t> glyph, const GlyphCell& cell,
               uint8_t foreground, uint8_t background) {
  const int64_t depth = window.BitDepth;
  if (!isSupportedBitDepth(depth) || !cellinsideblock(window, cell)) return;
  if (static_cast<int64_t>(glyph.size()) < cell.width * cell.height) return;
  GlyphPaint paint;
  paint.picture = ToolkitMemory.data() + window.MemoryStart;
  paint.width = window.Width;
  paint.foreground = t_PaletteColor(foreground);
  paint.background = t_PaletteColor(background);
  paint.foregroundlevel = greylevel(paint.foreground);
  paint.backgroundlevel = greylevel(paint.background);
  switch (depth) {
    case 1: paintdepth1(paint, glyph, cell); break;
    case 4: paintdepth4(paint, glyph, cell); break;
    case 8:
    case 16: paintlevels(paint, glyph, cell, depth); break;
    default: paintcolours(paint, glyph, cell, depth); break;
  }
}

}  // namespace vx
