#include "picture_files.h"

#include <algorithm>

#include "codecs/graphic_pixels.h"
#include "codecs/packing.h"
#include "graphics/palette.h"
#include "graphics/picture_formats.h"
#include "png_writer.h"

namespace vxpictures {
namespace {

bool endswith(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::vector<uint8_t> palettebytes() {
  std::vector<uint8_t> palette;
  for (size_t i = 0; i < 16; ++i) palette.insert(palette.end(), {vx::PaletteRed[i], vx::PaletteGreen[i], vx::PaletteBlue[i]});
  return palette;
}

// Each pixel's bytes reordered: `order` names, for each output byte, the input byte.
std::vector<uint8_t> reordered(const std::vector<uint8_t>& data, std::initializer_list<size_t> order) {
  const size_t stride = order.size();
  std::vector<uint8_t> out;
  out.reserve(data.size());
  for (size_t at = 0; at + stride <= data.size(); at += stride)
    for (size_t from : order) out.push_back(data[at + from]);
  return out;
}

PngPicture pngpicture(const vx::t_Graphic& g) {
  PngPicture picture{static_cast<uint32_t>(g.Width), static_cast<uint32_t>(g.Height), PngForm::Grey, g.Data, {}};
  switch (g.Format) {
    case vx::g_FormatBit:  // a set pixel, index 15, packs as 1: white
      picture.form = PngForm::Bilevel;
      picture.rows = vx::binarybooltopackedbool(g.Data, g.Width);
      break;
    case vx::g_FormatPackedBit: picture.form = PngForm::Bilevel; break;  // PNG's rows already
    case vx::g_FormatNibble:
      picture.form = PngForm::Palette16;
      picture.rows = vx::binarynibbletopackednibble(g.Data, g.Width);
      picture.palette = palettebytes();
      break;
    case vx::g_FormatPackedNibble:
      picture.form = PngForm::Palette16;
      picture.palette = palettebytes();
      break;
    case vx::g_FormatRGBColor: picture.form = PngForm::RGB; break;
    case vx::g_FormatAGrey:
      picture.form = PngForm::GreyAlpha;
      picture.rows = reordered(g.Data, {1, 0});
      break;
    case vx::g_FormatARGBColor:
      picture.form = PngForm::RGBA;
      picture.rows = reordered(g.Data, {1, 2, 3, 0});
      break;
    default: break;
  }
  return picture;
}

std::vector<uint8_t> netpbmheader(const char* magic, const vx::GraphicPixels& p, bool maxval) {
  const std::string header = std::string(magic) + "\n" + std::to_string(p.Width) + " " + std::to_string(p.Height) +
                             "\n" + (maxval ? "255\n" : "");
  return {header.begin(), header.end()};
}

// Red, green, blue (and alpha) per pixel: `channels` 3 or 4.
size_t channels(const vx::GraphicPixels& p) { return p.HasAlpha ? 4 : 3; }

bool pbmbytes(const vx::GraphicPixels& p, std::vector<uint8_t>& out, std::string& error) {
  std::vector<uint8_t> black;
  black.reserve(p.Samples.size() / channels(p));
  for (size_t at = 0; at + 3 <= p.Samples.size(); at += channels(p)) {
    const uint8_t r = p.Samples[at], g = p.Samples[at + 1], b = p.Samples[at + 2];
    if (r != g || g != b || (r != 0 && r != 255)) {
      error = "a PBM file holds black and white only, and this picture has other colours";
      return false;
    }
    black.push_back(r == 0 ? 1 : 0);  // PBM's 1 is black
  }
  out = netpbmheader("P4", p, false);
  const std::vector<uint8_t> rows = vx::binarybooltopackedbool(black, p.Width);
  out.insert(out.end(), rows.begin(), rows.end());
  return true;
}

std::vector<uint8_t> pgmbytes(const vx::GraphicPixels& p) {
  std::vector<uint8_t> out = netpbmheader("P5", p, true);
  for (size_t at = 0; at + 3 <= p.Samples.size(); at += channels(p))
    out.push_back(vx::greylevel({255, p.Samples[at], p.Samples[at + 1], p.Samples[at + 2]}));
  return out;
}

std::vector<uint8_t> ppmbytes(const vx::GraphicPixels& p) {
  std::vector<uint8_t> out = netpbmheader("P6", p, true);
  for (size_t at = 0; at + 3 <= p.Samples.size(); at += channels(p))
    out.insert(out.end(), p.Samples.begin() + static_cast<std::ptrdiff_t>(at),
               p.Samples.begin() + static_cast<std::ptrdiff_t>(at + 3));
  return out;
}

// The netpbm types take the pixels one by one, from a byte each.
vx::t_Graphic unpackedrows(vx::t_Graphic g) {
  if (g.Format == vx::g_FormatPackedBit) {
    g.Data = vx::packedbooltobinarybool(g.Data, g.Width, g.Size);
    g.Format = vx::g_FormatBit;
  } else if (g.Format == vx::g_FormatPackedNibble) {
    g.Data = vx::packednibbletobinarynibble(g.Data, g.Width, g.Size);
    g.Format = vx::g_FormatNibble;
  }
  return g;
}

}  // namespace

PictureType picturetypeof(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (endswith(lower, ".png")) return PictureType::Png;
  if (endswith(lower, ".pbm")) return PictureType::Pbm;
  if (endswith(lower, ".pgm")) return PictureType::Pgm;
  if (endswith(lower, ".ppm")) return PictureType::Ppm;
  return PictureType::Unknown;
}

bool picturebytes(const vx::t_Graphic& decoded, PictureType type, std::vector<uint8_t>& out, std::string& error) {
  if (decoded.Width <= 0 || decoded.Height <= 0) {
    error = "the picture is empty (" + std::to_string(decoded.Width) + " x " + std::to_string(decoded.Height) +
            " pixels): there is nothing to write";
    return false;
  }
  if (type == PictureType::Png) return pngbytes(pngpicture(decoded), out, error);
  // The netpbm types take their pixels as colours.
  const vx::GraphicPixels pixels = vx::graphicpixels(unpackedrows(decoded));
  switch (type) {
    case PictureType::Pbm: return pbmbytes(pixels, out, error);
    case PictureType::Pgm: out = pgmbytes(pixels); return true;
    case PictureType::Ppm: out = ppmbytes(pixels); return true;
    default: break;
  }
  error = "unknown picture type";
  return false;
}

}  // namespace vxpictures
