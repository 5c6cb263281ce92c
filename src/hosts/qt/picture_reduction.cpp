#include "hosts/qt/picture_reduction.h"

#include <algorithm>
#include <vector>

namespace vx::qt {
namespace {

// Channel sums of one row of result pixels, and how many pixels went in.
struct BandSums {
  std::vector<uint32_t> red, green, blue, count;
  explicit BandSums(int width)
      : red(static_cast<size_t>(width)), green(red.size()), blue(red.size()), count(red.size()) {}
  void clear() {
    for (auto* v : {&red, &green, &blue, &count}) std::fill(v->begin(), v->end(), 0u);
  }
};

void addrow(const QRgb* line, int width, int factor, BandSums& sums) {
  for (int x = 0, out = 0; x < width; x += factor, ++out) {
    const int end = std::min(width, x + factor);
    uint32_t r = 0, g = 0, b = 0;
    for (int i = x; i < end; ++i) {
      r += static_cast<uint32_t>(qRed(line[i]));
      g += static_cast<uint32_t>(qGreen(line[i]));
      b += static_cast<uint32_t>(qBlue(line[i]));
    }
    const auto o = static_cast<size_t>(out);
    sums.red[o] += r;
    sums.green[o] += g;
    sums.blue[o] += b;
    sums.count[o] += static_cast<uint32_t>(end - x);
  }
}

void writeaverages(const BandSums& sums, QRgb* line, int width) {
  for (size_t o = 0; o < static_cast<size_t>(width); ++o) {
    const uint32_t n = std::max(sums.count[o], 1u);
    line[o] = qRgb(static_cast<int>(sums.red[o] / n), static_cast<int>(sums.green[o] / n),
                   static_cast<int>(sums.blue[o] / n));
  }
}

}  // namespace

QImage reducedpicture(const PictureSource& source, const QRect& area, int factor) {
  factor = std::max(factor, 1);
  const QRect inside = area & QRect(QPoint(0, 0), source.size());
  if (inside.isEmpty()) return {};
  const int width = (inside.width() + factor - 1) / factor;
  const int height = (inside.height() + factor - 1) / factor;
  QImage out(width, height, QImage::Format_RGB32);
  BandSums sums(width);
  for (int row = 0; row < height; ++row) {
    const int top = inside.y() + row * factor;
    const int rows = std::min(factor, inside.y() + inside.height() - top);
    const QImage band = source.pixels(QRect(inside.x(), top, inside.width(), rows))
                            .convertToFormat(QImage::Format_RGB32);
    sums.clear();
    // A source that answers a wrong size leaves its band black.
    if (band.width() >= inside.width() && band.height() >= rows)
      for (int r = 0; r < rows; ++r)
        addrow(reinterpret_cast<const QRgb*>(band.constScanLine(r)), inside.width(), factor, sums);
    writeaverages(sums, reinterpret_cast<QRgb*>(out.scanLine(row)), width);
  }
  return out;
}

}  // namespace vx::qt
