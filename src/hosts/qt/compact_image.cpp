#include "hosts/qt/compact_image.h"

#include <algorithm>
#include <cstring>

#include "graphics/palette.h"
#include "runtime/memory.h"
#include "windows/pixel_conversion.h"

namespace vx::qt {
namespace {

QRgb palettecolour(int index) {
  const t_RGBColor c = t_PaletteColor(index);
  return qRgb(c.Red, c.Green, c.Blue);
}

QSize picturesize(const StoredPicture& p) { return {static_cast<int>(p.width), static_cast<int>(p.height)}; }

// A set bit is white (palette colour 15), a clear one black (colour 0); the
// stored bits are in the order Format_Mono keeps them, most significant first.
QImage monoimage(const StoredPicture& p) {
  QImage out(picturesize(p), QImage::Format_Mono);
  out.setColorTable({palettecolour(0), palettecolour(15)});
  const auto bytes = static_cast<size_t>(std::min((p.width + 7) / 8, p.rowbytes));
  for (int64_t y = 0; y < p.height; ++y) readpicturebytes(p.row(y), bytes, out.scanLine(static_cast<int>(y)));
  return out;
}

QImage indexedimage(const StoredPicture& p) {
  QImage out(picturesize(p), QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (int i = 0; i < 16; ++i) colours << palettecolour(i);
  out.setColorTable(colours);
  std::vector<uint8_t> stored(static_cast<size_t>(std::min((p.width + 1) / 2, p.rowbytes)));
  for (int64_t y = 0; y < p.height; ++y) {
    readpicturebytes(p.row(y), stored.size(), stored.data());
    const uint8_t* in = stored.data();
    uchar* line = out.scanLine(static_cast<int>(y));
    for (int64_t x = 0; x < p.width; ++x) line[x] = x % 2 == 0 ? in[x / 2] >> 4 : in[x / 2] & 0x0F;
  }
  return out;
}

QImage rgbimage(const StoredPicture& p) {
  QImage out(picturesize(p), QImage::Format_RGB32);
  for (int64_t y = 0; y < p.height; ++y)
    convertpixelrow(p, y, 0, p.width, out.scanLine(static_cast<int>(y)), PixelOrder::NativeArgb32);
  return out;
}

}  // namespace

QImage compactimage(const StoredPicture& p) {
  if (p.data == nullptr || p.width <= 0 || p.height <= 0) return {};
  switch (p.depth) {
    case 1: return monoimage(p);
    case 4: return indexedimage(p);
    default: return rgbimage(p);
  }
}

}  // namespace vx::qt
