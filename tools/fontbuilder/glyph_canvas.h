#pragma once
// One glyph cell of grey levels (0 = no ink, 255 = full ink) and the few
// drawing operations the synthetic glyphs are made of.
#include <cstdint>
#include <functional>
#include <vector>

namespace fontbuilder {

constexpr int GlyphWidth = 16;
constexpr int GlyphHeight = 32;

class GlyphCanvas {
 public:
  GlyphCanvas();

  uint8_t at(int x, int y) const;
  // Ink is only ever added: a pixel keeps the larger of its old and new level.
  void ink(int x, int y, uint8_t level);
  // Whole pixels x..x + width - 1, y..y + height - 1, cut to the cell.
  void fillrect(int x, int y, int width, int height, uint8_t level = 255);
  // Takes the ink away again (for the gaps of double lines).
  void clearrect(int x, int y, int width, int height);
  // Anti-aliased area: each pixel gets the share of 8 x 8 sample points at
  // which `inside(px, py)` holds, with px, py in pixel units of the cell.
  void fillshape(const std::function<bool(double px, double py)>& inside);

  const std::vector<uint8_t>& levels() const { return levels_; }

 private:
  std::vector<uint8_t> levels_;
};

}  // namespace fontbuilder
