#pragma once
// A slot's picture as a PictureView's source. Its size is the size the
// toolkit gave the slot's view (the picture's own size unless the window was
// sized otherwise, when the picture is stretched to it, as the toolkit asks);
// its pixels are converted from the toolkit memory only while the view draws.
#include "hosts/qt/picture_source.h"
#include "runtime/types.h"

namespace vx::qt {

class SlotPictureSource : public PictureSource {
 public:
  void setsize(QSize size) { size_ = size; }
  // The stored picture to read from, for the duration of one drawing; an
  // empty one (no data) shows black.
  void setpicture(const StoredPicture& picture) { picture_ = picture; }

  QSize size() const override { return size_; }
  QImage pixels(const QRect& area) const override;

 private:
  void stretchedpixels(const QRect& area, QImage& out) const;

  QSize size_;
  StoredPicture picture_;
};

}  // namespace vx::qt
