#pragma once
// "Als PNG exportieren": the whole picture as a PNG file, written as vxtool gr
// convert writes it (one-bit pictures stay one-bit, four-bit ones keep the
// toolkit's palette, 16- and 32-bit ones their alpha). The file is replaced
// only once the PNG is complete.
#include <QString>

#include "graphics/graphic_record.h"

namespace vxview {

// Empty when written, else what went wrong, in German.
QString exportpng(const vx::t_Graphic& rows, const QString& path);

}  // namespace vxview
