#pragma once
// Making a picture smaller by a whole factor for showing it zoomed out: each
// pixel of the result is the average of the pixels it stands for, so fine
// patterns turn grey instead of flickering into moiré.
#include <QImage>
#include <QRect>

#include "hosts/qt/picture_source.h"

namespace vx::qt {

// The source's `area` made `factor` times smaller in each direction (rounded
// up), as an opaque Format_RGB32 image. The source is read a band of
// `factor` rows at a time, so a large picture is never held whole at 32 bits.
QImage reducedpicture(const PictureSource& source, const QRect& area, int factor);

}  // namespace vx::qt
