#include "hosts/picture_region.h"

#include <algorithm>
#include <cstring>

#include "windows/pixel_conversion.h"

namespace vx {

namespace {

// The clipped region, or an empty one.
PictureRegion clipped(PictureRegion r, int64_t shownwidth, int64_t shownheight) {
  const int64_t left = std::clamp<int64_t>(r.x, 0, shownwidth);
  const int64_t top = std::clamp<int64_t>(r.y, 0, shownheight);
  const int64_t right = std::clamp<int64_t>(r.x + std::max<int64_t>(r.width, 0), left, shownwidth);
  const int64_t bottom = std::clamp<int64_t>(r.y + std::max<int64_t>(r.height, 0), top, shownheight);
  return {left, top, right - left, bottom - top, std::max<int64_t>(r.factor, 1)};
}

// Reads shown rows into canvas pixels: straight from the stored row where the
// picture is shown at its own size, otherwise each shown pixel takes the
// stored pixel it falls on (no smoothing), as the desktop's views do.
class ShownRows {
 public:
  ShownRows(const StoredPicture& picture, int64_t shownwidth, int64_t shownheight)
      : picture_(picture), shownwidth_(shownwidth), shownheight_(shownheight),
        stretched_(picture.width != shownwidth || picture.height != shownheight) {
    if (stretched_) storedrow_.resize(static_cast<size_t>(picture.width) * 4);
  }

  // Pixels [x, x + count) of shown row y into `out` (4 x count bytes; black
  // where the stored picture has none).
  void read(int64_t y, int64_t x, int64_t count, uint8_t* out) {
    std::fill(out, out + 4 * count, uint8_t{0});
    for (int64_t i = 0; i < count; ++i) out[4 * i + 3] = 255;
    if (!stretched_) {
      convertpixelrow(picture_, y, x, count, out, PixelOrder::RgbaBytes);
      return;
    }
    const int64_t storedy = y * picture_.height / shownheight_;
    if (convertpixelrow(picture_, storedy, 0, picture_.width, storedrow_.data(), PixelOrder::RgbaBytes) == 0)
      return;
    for (int64_t i = 0; i < count; ++i) {
      const int64_t storedx = (x + i) * picture_.width / shownwidth_;
      std::memcpy(out + 4 * i, storedrow_.data() + 4 * storedx, 4);
    }
  }

 private:
  const StoredPicture& picture_;
  int64_t shownwidth_, shownheight_;
  bool stretched_;
  std::vector<uint8_t> storedrow_;
};

}  // namespace

CanvasPixels renderpictureregion(const StoredPicture& picture, Size shown, PictureRegion region) {
  const auto shownwidth = static_cast<int64_t>(shown.width);
  const auto shownheight = static_cast<int64_t>(shown.height);
  const PictureRegion r = clipped(region, shownwidth, shownheight);
  if (picture.data == nullptr || picture.width <= 0 || picture.height <= 0 || r.width == 0 || r.height == 0)
    return {};
  const int64_t f = r.factor;
  CanvasPixels out{(r.width + f - 1) / f, (r.height + f - 1) / f, {}};
  out.rgba.resize(static_cast<size_t>(out.width * out.height * 4));
  ShownRows rows(picture, shownwidth, shownheight);
  if (f == 1) {
    for (int64_t row = 0; row < r.height; ++row)
      rows.read(r.y + row, r.x, r.width, out.rgba.data() + row * r.width * 4);
    return out;
  }
  // A band of f shown rows at a time, summed per output pixel and channel.
  std::vector<uint8_t> line(static_cast<size_t>(r.width) * 4);
  std::vector<uint32_t> sums(static_cast<size_t>(out.width) * 3);
  for (int64_t band = 0; band < out.height; ++band) {
    std::fill(sums.begin(), sums.end(), 0u);
    const int64_t first = r.y + band * f;
    const int64_t last = std::min(first + f, r.y + r.height);
    for (int64_t y = first; y < last; ++y) {
      rows.read(y, r.x, r.width, line.data());
      for (int64_t i = 0; i < r.width; ++i) {
        uint32_t* sum = &sums[static_cast<size_t>(i / f) * 3];
        const uint8_t* p = &line[static_cast<size_t>(i) * 4];
        sum[0] += p[0];
        sum[1] += p[1];
        sum[2] += p[2];
      }
    }
    uint8_t* target = out.rgba.data() + band * out.width * 4;
    for (int64_t column = 0; column < out.width; ++column) {
      const int64_t columns = std::min(f, r.width - column * f);
      const auto count = static_cast<uint32_t>(columns * (last - first));
      const uint32_t* sum = &sums[static_cast<size_t>(column) * 3];
      for (int c = 0; c < 3; ++c) target[4 * column + c] = static_cast<uint8_t>((sum[c] + count / 2) / count);
      target[4 * column + 3] = 255;
    }
  }
  return out;
}

}  // namespace vx
