// vxfontbuild: makes the toolkit's 16 x 32 grey fonts and pictures of them.
//
//   vxfontbuild font <TrueType file> <output .font>
//       Renders a monospaced TrueType font: codes 32..126 and 161..255 as
//       Latin-1 text, codes 0..31 and 127..160 as drawn graphic glyphs.
//       The same inputs always give the same bytes.
//   vxfontbuild picture <.font file> <output .png>
//       Loads a font the way the toolkit does and draws all 256 glyphs in
//       16 rows of 16, code 0 at the top left, each glyph magnified twice,
//       dark ink on white.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/font_resource.h"
#include "font_file.h"
#include "glyph_canvas.h"
#include "graphic_glyphs.h"
#include "png_writer.h"
#include "runtime/log.h"
#include "text_glyphs.h"
#include "vxtools_headless.h"

namespace {

using namespace fontbuilder;

void writefile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::vector<uint8_t> renderglyphs(const std::string& truetypepath) {
  const TextGlyphRenderer text(truetypepath);
  const GraphicStyle style{text.stemwidth(), text.baseline()};
  std::vector<uint8_t> glyphs;
  for (int code = 0; code < 256; ++code) {
    const GlyphCanvas canvas = istextcode(code) ? text.glyph(code) : graphicglyph(code, style);
    glyphs.insert(glyphs.end(), canvas.levels().begin(), canvas.levels().end());
  }
  return glyphs;
}

// The font as the toolkit loads it from its resource directory.
vx::t_Font loadfont(const std::filesystem::path& path) {
  vx::setlogechoed(false);
  vx::startlogcapture();
  vx::useHeadlessHost().setresourcedirectory(std::filesystem::absolute(path).parent_path().string());
  vx::t_Font font = vx::t_LoadFontResource(path.filename().string());
  const std::string diagnostics = vx::takelogcapture();
  if (font.Data.empty() || font.Format != vx::FontFormatGrey) {
    throw std::runtime_error("not a grey font: " + path.string() + "\n" + diagnostics);
  }
  return font;
}

// The grey picture as a PNG file's bytes, through the tools' one PNG writer.
std::vector<uint8_t> greypng(int width, int height, const std::vector<uint8_t>& pixels) {
  const vxpictures::PngPicture picture{static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                       vxpictures::PngForm::Grey, pixels, {}};
  std::vector<uint8_t> bytes;
  std::string error;
  if (!vxpictures::pngbytes(picture, bytes, error)) throw std::runtime_error("cannot make the PNG: " + error);
  return bytes;
}

std::vector<uint8_t> glyphpicture(const vx::t_Font& font, int& width, int& height) {
  constexpr int scale = 2, gap = 2, columns = 16, rows = 16;
  const int cellwidth = static_cast<int>(font.Width) * scale;
  const int cellheight = static_cast<int>(font.Height) * scale;
  width = columns * (cellwidth + gap) + gap;
  height = rows * (cellheight + gap) + gap;
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height, 160);
  const size_t glyphsize = static_cast<size_t>(font.Width * font.Height);
  for (int code = 0; code < 256; ++code) {
    const int left = gap + (code % columns) * (cellwidth + gap);
    const int top = gap + (code / columns) * (cellheight + gap);
    for (int y = 0; y < cellheight; ++y) {
      for (int x = 0; x < cellwidth; ++x) {
        const size_t index = code * glyphsize + (y / scale) * font.Width + x / scale;
        const uint8_t ink = index < font.Data.size() ? font.Data[index] : 0;
        pixels[static_cast<size_t>(top + y) * width + left + x] = static_cast<uint8_t>(255 - ink);
      }
    }
  }
  return pixels;
}

int usage() {
  std::cerr << "usage: vxfontbuild font <TrueType file> <output .font>\n"
               "       vxfontbuild picture <.font file> <output .png>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return usage();
  const std::string command = argv[1];
  try {
    if (command == "font") {
      writefile(argv[3], fontfilebytes(renderglyphs(argv[2])));
    } else if (command == "picture") {
      int width = 0, height = 0;
      const std::vector<uint8_t> pixels = glyphpicture(loadfont(argv[2]), width, height);
      writefile(argv[3], greypng(width, height, pixels));
    } else {
      return usage();
    }
  } catch (const std::exception& error) {
    std::cerr << "vxfontbuild: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
