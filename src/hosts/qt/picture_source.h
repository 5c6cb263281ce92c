#pragma once
// Where a PictureView takes its pixels from. The view asks only for the part
// it shows, so a source may keep a large picture in any compact form and
// convert on demand.
#include <QImage>
#include <QRect>
#include <QSize>

namespace vx::qt {

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The picture's size in pixels; an empty size for no picture.
  virtual QSize size() const = 0;
  // The pixels of `area`, which lies inside the picture, at their own size:
  // an opaque image of exactly area.size() in a format QPainter draws.
  virtual QImage pixels(const QRect& area) const = 0;
};

// A picture held as a QImage, such as one read from a file.
class ImagePictureSource : public PictureSource {
 public:
  explicit ImagePictureSource(QImage image = {}) : image_(std::move(image)) {}
  void setimage(QImage image) { image_ = std::move(image); }
  QSize size() const override { return image_.size(); }
  QImage pixels(const QRect& area) const override { return image_.copy(area); }

 private:
  QImage image_;
};

}  // namespace vx::qt
