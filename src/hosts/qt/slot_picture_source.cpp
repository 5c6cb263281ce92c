#include "hosts/qt/slot_picture_source.h"

#include <vector>

#include "windows/pixel_conversion.h"

namespace vx::qt {

QImage SlotPictureSource::pixels(const QRect& area) const {
  QImage out(area.size(), QImage::Format_RGB32);
  out.fill(Qt::black);  // what the stored picture does not cover
  if (picture_.data == nullptr || area.isEmpty()) return out;
  if (picture_.width != size_.width() || picture_.height != size_.height()) {
    stretchedpixels(area, out);
    return out;
  }
  for (int row = 0; row < area.height(); ++row)
    convertpixelrow(picture_, area.y() + row, area.x(), area.width(), out.scanLine(row), PixelOrder::NativeArgb32);
  return out;
}

// Each view pixel shows the picture pixel it falls on (no smoothing), as a
// window sized away from its picture always did.
void SlotPictureSource::stretchedpixels(const QRect& area, QImage& out) const {
  if (size_.isEmpty()) return;
  std::vector<uint32_t> line(static_cast<size_t>(picture_.width));
  for (int row = 0; row < area.height(); ++row) {
    const int64_t y = int64_t{area.y() + row} * picture_.height / size_.height();
    if (convertpixelrow(picture_, y, 0, picture_.width, reinterpret_cast<uint8_t*>(line.data()),
                        PixelOrder::NativeArgb32) == 0)
      continue;
    auto* target = reinterpret_cast<QRgb*>(out.scanLine(row));
    for (int column = 0; column < area.width(); ++column) {
      const int64_t x = int64_t{area.x() + column} * picture_.width / size_.width();
      if (x >= 0 && x < picture_.width) target[column] = line[static_cast<size_t>(x)];
    }
  }
}

}  // namespace vx::qt
