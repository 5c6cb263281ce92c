#include "text_glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace fontbuilder {

namespace {

// Vertical hinting only: stems stay crisp, horizontal spacing stays true.
constexpr FT_Int32 LoadFlags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT;

struct Extent {
  int ascent = 0;   // rows above the baseline
  int descent = 0;  // rows below it
};

}  // namespace

bool istextcode(int code) { return (code >= 32 && code <= 126) || (code >= 161 && code <= 255); }

struct TextGlyphRenderer::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int baseline = 0;

  ~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }

  FT_GlyphSlot render(int code) const {
    const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
    if (index == 0) return nullptr;
    if (FT_Load_Glyph(face, index, LoadFlags) != 0) return nullptr;
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return nullptr;
    return face->glyph;
  }

  void setsize(double pixels) {
    const auto size = static_cast<FT_F26Dot6>(std::lround(pixels * 64));
    if (FT_Set_Char_Size(face, 0, size, 72, 72) != 0) {
      throw std::runtime_error("the font cannot be scaled");
    }
  }

  Extent measure() const {
    Extent extent;
    for (int code = 0; code < 256; ++code) {
      if (!istextcode(code)) continue;
      const FT_GlyphSlot slot = render(code);
      if (!slot) continue;
      const auto [first, last] = inkrows(slot->bitmap);
      if (first > last) continue;
      extent.ascent = std::max(extent.ascent, slot->bitmap_top - first);
      extent.descent = std::max(extent.descent, last + 1 - slot->bitmap_top);
    }
    return extent;
  }

  // The first and last bitmap rows that hold any ink (first > last: none).
  static std::pair<int, int> inkrows(const FT_Bitmap& bitmap) {
    int first = static_cast<int>(bitmap.rows), last = -1;
    for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
      const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
      if (std::any_of(line, line + bitmap.width, [](unsigned char v) { return v != 0; })) {
        first = std::min(first, row);
        last = row;
      }
    }
    return {first, last};
  }

  // Pixels per em at which one advance of "0" is the cell's width.
  double advancefittingsize() const {
    const FT_UInt index = FT_Get_Char_Index(face, '0');
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) != 0 ||
        face->glyph->advance.x <= 0) {
      throw std::runtime_error("the font has no digit zero to measure");
    }
    return static_cast<double>(GlyphWidth) * face->units_per_EM / face->glyph->advance.x;
  }
};

TextGlyphRenderer::TextGlyphRenderer(const std::string& truetypepath)
    : face_(std::make_unique<Face>()) {
  if (FT_Init_FreeType(&face_->library) != 0) throw std::runtime_error("FreeType did not start");
  if (FT_New_Face(face_->library, truetypepath.c_str(), 0, &face_->face) != 0) {
    throw std::runtime_error("cannot open " + truetypepath);
  }
  double size = face_->advancefittingsize();
  face_->setsize(size);
  Extent extent = face_->measure();
  while (extent.ascent + extent.descent > GlyphHeight) {
    size *= 0.995;
    if (size < 4) throw std::runtime_error("the glyphs do not fit the cell at any size");
    face_->setsize(size);
    extent = face_->measure();
  }
  if (extent.ascent == 0) throw std::runtime_error("the font draws nothing");
  // Spare rows go half above the tallest accent, half below the deepest descender.
  const int spare = GlyphHeight - extent.ascent - extent.descent;
  face_->baseline = extent.ascent + spare / 2;
}

TextGlyphRenderer::~TextGlyphRenderer() = default;

int TextGlyphRenderer::baseline() const { return face_->baseline; }

GlyphCanvas TextGlyphRenderer::glyph(int code) const {
  GlyphCanvas canvas;
  const FT_GlyphSlot slot = face_->render(code);
  if (!slot) return canvas;
  const FT_Bitmap& bitmap = slot->bitmap;
  const int width = static_cast<int>(bitmap.width);
  // A glyph that sticks out of its advance is moved back inside the cell.
  int left = slot->bitmap_left;
  if (left + width > GlyphWidth) left = GlyphWidth - width;
  if (left < 0) left = width > GlyphWidth ? (GlyphWidth - width) / 2 : 0;
  const int top = face_->baseline - slot->bitmap_top;
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
    for (int column = 0; column < width; ++column) {
      canvas.ink(left + column, top + static_cast<int>(row), line[column]);
    }
  }
  return canvas;
}

int TextGlyphRenderer::stemwidth() const {
  const GlyphCanvas l = glyph('l');
  int ink = 0;
  for (int x = 0; x < GlyphWidth; ++x) ink += l.at(x, face_->baseline - 8);
  return std::max(2, static_cast<int>(std::lround(ink / 255.0)));
}

}  // namespace fontbuilder
