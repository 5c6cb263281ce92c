#include "font_file.h"

#include "codecs/lzw.h"
#include "glyph_canvas.h"

namespace fontbuilder {

std::vector<uint8_t> fontfilebytes(const std::vector<uint8_t>& glyphs) {
  const auto size = static_cast<uint32_t>(glyphs.size());
  std::vector<uint8_t> file{16,  'v', 'x', 'f', 'n', 102,
                            static_cast<uint8_t>(size >> 24), static_cast<uint8_t>(size >> 16),
                            static_cast<uint8_t>(size >> 8),  static_cast<uint8_t>(size),
                            0,   255, GlyphWidth, GlyphHeight, 0, 0};
  const std::vector<uint8_t> stored = vx::texttolzwstored(glyphs);
  file.insert(file.end(), stored.begin(), stored.end());
  return file;
}

}  // namespace fontbuilder
