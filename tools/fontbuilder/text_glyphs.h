#pragma once
// The Latin-1 glyphs (codes 32..126 and 161..255) rendered from a monospaced
// TrueType font with FreeType. The size is chosen so that one advance is
// exactly the cell's 16 pixels, then reduced until every glyph's ascent and
// descent fit into the cell's 32 rows together; the baseline is placed so
// that accents and descenders both stay inside.
#include <memory>
#include <string>

#include "glyph_canvas.h"

namespace fontbuilder {

bool istextcode(int code);  // 32..126 and 161..255

class TextGlyphRenderer {
 public:
  // Throws std::runtime_error when the font cannot be opened or has no glyphs.
  explicit TextGlyphRenderer(const std::string& truetypepath);
  ~TextGlyphRenderer();
  TextGlyphRenderer(const TextGlyphRenderer&) = delete;
  TextGlyphRenderer& operator=(const TextGlyphRenderer&) = delete;

  GlyphCanvas glyph(int code) const;
  int baseline() const;  // the first cell row below the baseline
  int stemwidth() const;  // width of the vertical stem of "l", in whole pixels

 private:
  struct Face;
  std::unique_ptr<Face> face_;
};

}  // namespace fontbuilder
