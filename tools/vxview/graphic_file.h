#pragma once
// A ".gr" file read for showing: the picture in the rows a window stores, so
// that an 8192 x 8192 one-bit picture takes 8 MiB, and the format code the
// file carries. A file that cannot be shown gives the reason: the reader's
// own words for a file that is no whole graphic, German ones for a file that
// cannot be read at all.
#include <QString>

#include "graphics/graphic_record.h"

namespace vxview {

struct GraphicFile {
  vx::t_Graphic rows;        // formats 10, 11 or 2-5 (readgraphicrows)
  int64_t storedformat = 0;  // the file's own format code, 130 for a saved star
  QString problem;           // why it cannot be shown; empty when it can
  QString details;           // the reader's technical account, if it has one
  bool ok() const { return problem.isEmpty(); }
};

GraphicFile readgraphicfile(const QString& path);

// The format code in words: the kind of pixels and how the data is coded
// ("Schwarz-Weiß, gepackt, lauflängen- und LZW-kodiert" for 130).
QString formatwords(int64_t format);

}  // namespace vxview
