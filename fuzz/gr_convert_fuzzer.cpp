// The whole of `vxtool gr convert`: a ".gr" file read as the tool reads it
// (the header first, then the window rows), written as PNG, PBM, PGM and PPM,
// and each picture file read back and compared, pixel by pixel, with the
// colours that the toolkit's own conversion gives the decoded picture
// (readgraphicfile, graphicpixels). Whatever the file holds, a writer either
// refuses with a reason or writes a file that shows exactly that picture, and
// no writer holds more heap than the rows it reads and the file it writes.
#include <png.h>

#include <algorithm>
#include <charconv>
#include <string_view>

#include "fuzz_support.h"
#include "picture_files.h"

using namespace vx;
using vxpictures::PictureType;

namespace {

// Larger pictures take the same loops, only for longer; a few bytes of runs
// can rightly describe 16 MiB of picture, too slow to write at every step.
constexpr int64_t LargestConvertedPixels = int64_t{1} << 18;

struct Reread {
  int64_t width = -1, height = -1;
  std::vector<uint8_t> rgba;  // four bytes a pixel
};

// A PNG through libpng's own reader, as red, green, blue, alpha.
Reread readpng(const std::vector<uint8_t>& file) {
  Reread picture;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return picture;
  image.format = PNG_FORMAT_RGBA;
  picture.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  picture.width = image.width;
  picture.height = image.height;
  return picture;
}

// A binary netpbm file of the header "Pn\nW H\n[255\n]" that the writers use.
Reread readnetpbm(const std::vector<uint8_t>& file, std::string_view magic) {
  Reread picture;
  const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  if (text.substr(0, 3) != std::string(magic) + "\n") return picture;
  size_t at = 3;
  const auto number = [&](char end) {
    int64_t value = -1;
    const auto [next, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
    at = static_cast<size_t>(next - text.data());
    if (error != std::errc{} || at >= text.size() || text[at] != end) return int64_t{-1};
    ++at;
    return value;
  };
  const int64_t w = number(' '), h = number('\n');
  if (w <= 0 || h <= 0 || (magic != "P4" && number('\n') != 255)) return picture;
  const size_t rowbytes = magic == "P4" ? (static_cast<size_t>(w) + 7) / 8 : magic == "P5" ? w : 3 * w;
  if (file.size() - at != rowbytes * static_cast<size_t>(h)) return picture;
  for (int64_t y = 0; y < h; ++y) {
    const uint8_t* row = file.data() + at + static_cast<size_t>(y) * rowbytes;
    for (int64_t x = 0; x < w; ++x) {
      if (magic == "P4") {
        const uint8_t level = (row[x / 8] >> (7 - x % 8) & 1) != 0 ? 0 : 255;  // 1 is black
        picture.rgba.insert(picture.rgba.end(), {level, level, level, 255});
      } else if (magic == "P5") {
        picture.rgba.insert(picture.rgba.end(), {row[x], row[x], row[x], 255});
      } else {
        picture.rgba.insert(picture.rgba.end(), {row[3 * x], row[3 * x + 1], row[3 * x + 2], 255});
      }
    }
  }
  picture.width = w;
  picture.height = h;
  return picture;
}

// What each type should show of the toolkit's colours: PNG keeps the alpha of
// the formats that carry it, PGM makes them grey as the toolkit does, the
// netpbm types are opaque.
std::vector<uint8_t> expected(const GraphicPixels& pixels, PictureType type) {
  std::vector<uint8_t> rgba;
  const size_t stride = pixels.HasAlpha ? 4 : 3;
  for (size_t at = 0; at + stride <= pixels.Samples.size(); at += stride) {
    uint8_t r = pixels.Samples[at], g = pixels.Samples[at + 1], b = pixels.Samples[at + 2];
    if (type == PictureType::Pgm) r = g = b = greylevel({255, r, g, b});
    const uint8_t alpha = type == PictureType::Png && pixels.HasAlpha ? pixels.Samples[at + 3] : 255;
    rgba.insert(rgba.end(), {r, g, b, alpha});
  }
  return rgba;
}

bool blackandwhite(const GraphicPixels& pixels) {
  const size_t stride = pixels.HasAlpha ? 4 : 3;
  for (size_t at = 0; at + stride <= pixels.Samples.size(); at += stride) {
    const uint8_t r = pixels.Samples[at];
    if (r != pixels.Samples[at + 1] || r != pixels.Samples[at + 2] || (r != 0 && r != 255)) return false;
  }
  return true;
}

Reread reread(const std::vector<uint8_t>& file, PictureType type) {
  switch (type) {
    case PictureType::Png: return readpng(file);
    case PictureType::Pbm: return readnetpbm(file, "P4");
    case PictureType::Pgm: return readnetpbm(file, "P5");
    default: return readnetpbm(file, "P6");
  }
}

void convert(const t_Graphic& rows, const GraphicPixels& pixels, PictureType type) {
  std::vector<uint8_t> file;
  std::string error;
  int64_t most = 0;
  const bool written =
      vxfuzz::heapmeasured(most, [&] { return vxpictures::picturebytes(rows, type, file, error); });
  // Besides the file: a copy of the rows for libpng, and its own buffers.
  vxfuzz::require(most <= static_cast<int64_t>(file.size() + 2 * rows.Data.size()) + (int64_t{1} << 20),
                  "a writer held more heap than its rows and its file");
  const bool empty = rows.Width == 0 || rows.Height == 0;
  const bool refusable = empty || (type == PictureType::Pbm && !blackandwhite(pixels));
  vxfuzz::require(written != refusable, "a writer refused a picture it takes, or took one it refuses");
  vxfuzz::require(written == error.empty(), "a refusal without a reason, or a reason with a file");
  if (!written) return;
  const Reread back = reread(file, type);
  vxfuzz::require(back.width == rows.Width && back.height == rows.Height, "a picture file of another size");
  vxfuzz::require(back.rgba == expected(pixels, type), "a picture file shows other colours than the graphic");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::quiethost();
  const std::vector<uint8_t> file(data, data + size);
  // As the tool reads it: the header alone decides whether the rest is read.
  const GraphicReading header = graphicfromfilebytes({file.begin(), file.begin() + std::min<size_t>(size, 16)});
  if (!header.ok()) return 0;
  vxfuzz::require(graphicpicturebytes(header.Graphic) <= LargestPictureBytes,
                  "a header claiming more picture than the toolkit holds was taken");
  if (static_cast<int64_t>(size) > graphicfilelimit(header.Graphic) || header.Graphic.Size > LargestConvertedPixels)
    return 0;
  const GraphicReading rows = readgraphicrows(file);
  const GraphicReading decoded = readgraphicfile(file);
  vxfuzz::require(rows.ok() == decoded.ok(), "rows and capture readings disagree");
  if (!rows.ok()) return 0;
  const GraphicPixels pixels = graphicpixels(decoded.Graphic);
  for (const PictureType type : {PictureType::Png, PictureType::Pbm, PictureType::Pgm, PictureType::Ppm})
    convert(rows.Graphic, pixels, type);
  return 0;
}
