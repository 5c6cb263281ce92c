#pragma once
// A stored window picture as a QImage that is no larger than it needs to be:
// a one-bit picture stays one bit a pixel (8 MiB for 8192 x 8192, where 32-bit
// pixels would take 256 MiB), a four-bit one takes a byte a pixel, the rest
// 32 bits. For the clipboard, which may hold a picture for a long time.
#include <QImage>

#include "runtime/types.h"

namespace vx::qt {

// A null image for a picture without data.
QImage compactimage(const StoredPicture& picture);

}  // namespace vx::qt
