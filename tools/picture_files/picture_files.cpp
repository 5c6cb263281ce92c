#include "picture_files.h"

#include <algorithm>

#include "codecs/graphic_export.h"
#include "codecs/graphic_formats.h"
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

std::vector<uint8_t> netpbmheader(const char* magic, const vx::t_Graphic& g, bool maxval) {
  const std::string header = std::string(magic) + "\n" + std::to_string(g.Width) + " " + std::to_string(g.Height) +
                             "\n" + (maxval ? "255\n" : "");
  return {header.begin(), header.end()};
}

// Calls `visit` with the colour of every pixel, rows from the top, straight
// from the graphic's own bytes: a picture is never copied into another form
// on the way, so a conversion holds the graphic and the file it writes and no
// more. One loop per format, chosen once.
template <typename ColourOf, typename Visit>
void eachpixel(const vx::t_Graphic& g, size_t rowbytes, ColourOf colourof, Visit& visit) {
  const auto width = static_cast<size_t>(g.Width);
  for (size_t y = 0; y < static_cast<size_t>(g.Height); ++y) {
    const uint8_t* row = g.Data.data() + y * rowbytes;
    for (size_t x = 0; x < width; ++x) visit(colourof(row, x));
  }
}

template <typename Visit>
void visitcolours(const vx::t_Graphic& g, Visit& visit) {
  const auto w = static_cast<size_t>(g.Width);
  switch (g.Format) {
    case vx::g_FormatPackedBit:
      eachpixel(g, (w + 7) / 8, [](const uint8_t* r, size_t x) {
        return vx::t_PaletteColor((r[x / 8] >> (7 - x % 8) & 1) != 0 ? 15 : 0);
      }, visit);
      break;
    case vx::g_FormatPackedNibble:
      eachpixel(g, (w + 1) / 2, [](const uint8_t* r, size_t x) {
        return vx::t_PaletteColor(x % 2 == 0 ? r[x / 2] >> 4 : r[x / 2] & 0x0F);
      }, visit);
      break;
    case vx::g_FormatBit:
      eachpixel(g, w, [](const uint8_t* r, size_t x) { return vx::t_PaletteColor(r[x] != 0 ? 15 : 0); }, visit);
      break;
    case vx::g_FormatNibble:
      eachpixel(g, w, [](const uint8_t* r, size_t x) { return vx::t_PaletteColor(r[x] & 0x0F); }, visit);
      break;
    case vx::g_FormatByte:
      eachpixel(g, w, [](const uint8_t* r, size_t x) { return vx::t_RGBColor{255, r[x], r[x], r[x]}; }, visit);
      break;
    case vx::g_FormatRGBColor:
      eachpixel(g, 3 * w, [](const uint8_t* r, size_t x) {
        return vx::t_RGBColor{255, r[3 * x], r[3 * x + 1], r[3 * x + 2]};
      }, visit);
      break;
    case vx::g_FormatAGrey:
      eachpixel(g, 2 * w, [](const uint8_t* r, size_t x) {
        return vx::t_RGBColor{r[2 * x], r[2 * x + 1], r[2 * x + 1], r[2 * x + 1]};
      }, visit);
      break;
    default:
      eachpixel(g, 4 * w, [](const uint8_t* r, size_t x) {
        return vx::t_RGBColor{r[4 * x], r[4 * x + 1], r[4 * x + 2], r[4 * x + 3]};
      }, visit);
      break;
  }
}

bool blackorwhite(vx::t_RGBColor c) {
  return c.Red == c.Green && c.Green == c.Blue && (c.Red == 0 || c.Red == 255);
}

bool pbmbytes(const vx::t_Graphic& g, std::vector<uint8_t>& out, std::string& error) {
  bool twotone = true;
  auto check = [&](vx::t_RGBColor c) { twotone = twotone && blackorwhite(c); };
  visitcolours(g, check);
  if (!twotone) {
    error = "a PBM file holds black and white only, and this picture has other colours";
    return false;
  }
  out = netpbmheader("P4", g, false);
  const size_t rowbytes = (static_cast<size_t>(g.Width) + 7) / 8;
  out.reserve(out.size() + rowbytes * static_cast<size_t>(g.Height));
  // Rows are packed eight pixels a byte from the high bit, 1 for black, each
  // row ending its last byte early.
  size_t x = 0;
  uint8_t byte = 0;
  auto put = [&](vx::t_RGBColor c) {
    if (c.Red == 0) byte |= static_cast<uint8_t>(0x80 >> (x % 8));
    ++x;
    if (x % 8 == 0 || x == static_cast<size_t>(g.Width)) {
      out.push_back(byte);
      byte = 0;
    }
    if (x == static_cast<size_t>(g.Width)) x = 0;
  };
  visitcolours(g, put);
  return true;
}

std::vector<uint8_t> pgmbytes(const vx::t_Graphic& g) {
  std::vector<uint8_t> out = netpbmheader("P5", g, true);
  out.reserve(out.size() + static_cast<size_t>(g.Size));
  auto put = [&](vx::t_RGBColor c) { out.push_back(vx::greylevel({255, c.Red, c.Green, c.Blue})); };
  visitcolours(g, put);
  return out;
}

std::vector<uint8_t> ppmbytes(const vx::t_Graphic& g) {
  std::vector<uint8_t> out = netpbmheader("P6", g, true);
  out.reserve(out.size() + 3 * static_cast<size_t>(g.Size));
  auto put = [&](vx::t_RGBColor c) { out.insert(out.end(), {c.Red, c.Green, c.Blue}); };
  visitcolours(g, put);
  return out;
}

// Whether the data holds the whole picture in a format the writers take.
bool wholepicture(const vx::t_Graphic& g) {
  const bool known = (g.Format >= vx::g_FormatBit && g.Format <= vx::g_FormatARGBColor) ||
                     g.Format == vx::g_FormatPackedBit || g.Format == vx::g_FormatPackedNibble;
  return known && g.Width <= 0xFFFF && g.Height <= 0xFFFF && g.Size == g.Width * g.Height &&
         static_cast<int64_t>(g.Data.size()) == vx::graphicdatalength(g.Format, g.Width, g.Height);
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
  if (!wholepicture(decoded)) {
    error = "the picture's data does not match its format and size";
    return false;
  }
  switch (type) {
    case PictureType::Png: return pngbytes(pngpicture(decoded), out, error);
    case PictureType::Pbm: return pbmbytes(decoded, out, error);
    case PictureType::Pgm: out = pgmbytes(decoded); return true;
    case PictureType::Ppm: out = ppmbytes(decoded); return true;
    default: break;
  }
  error = "unknown picture type";
  return false;
}

}  // namespace vxpictures
