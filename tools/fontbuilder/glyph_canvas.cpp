#include "glyph_canvas.h"

#include <algorithm>

namespace fontbuilder {

GlyphCanvas::GlyphCanvas() : levels_(GlyphWidth * GlyphHeight, 0) {}

uint8_t GlyphCanvas::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= GlyphWidth || y >= GlyphHeight) return 0;
  return levels_[static_cast<size_t>(y * GlyphWidth + x)];
}

void GlyphCanvas::ink(int x, int y, uint8_t level) {
  if (x < 0 || y < 0 || x >= GlyphWidth || y >= GlyphHeight) return;
  uint8_t& pixel = levels_[static_cast<size_t>(y * GlyphWidth + x)];
  pixel = std::max(pixel, level);
}

void GlyphCanvas::fillrect(int x, int y, int width, int height, uint8_t level) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) ink(column, row, level);
  }
}

void GlyphCanvas::clearrect(int x, int y, int width, int height) {
  for (int row = std::max(y, 0); row < std::min(y + height, GlyphHeight); ++row) {
    for (int column = std::max(x, 0); column < std::min(x + width, GlyphWidth); ++column) {
      levels_[static_cast<size_t>(row * GlyphWidth + column)] = 0;
    }
  }
}

void GlyphCanvas::fillshape(const std::function<bool(double, double)>& inside) {
  constexpr int samples = 8;
  for (int y = 0; y < GlyphHeight; ++y) {
    for (int x = 0; x < GlyphWidth; ++x) {
      int hits = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          hits += inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples) ? 1 : 0;
        }
      }
      ink(x, y, static_cast<uint8_t>((hits * 255 + samples * samples / 2) / (samples * samples)));
    }
  }
}

}  // namespace fontbuilder
