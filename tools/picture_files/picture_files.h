#pragma once
// Picture files of a decoded graphic, by the file's extension: PNG, or binary
// PBM, PGM and PPM. The graphic is in one of the capture formats 0-5
// (readgraphicfile) or in a window's rows, formats 10, 11 and 2-5
// (readgraphicrows), whose packed one-bit rows go into a PNG as they are. One-bit pictures stay one-bit in PNG and
// PBM, four-bit pictures keep their palette in PNG, and alpha is kept in PNG;
// PBM, PGM and PPM have no alpha, which they drop.
#include <string>
#include <vector>

#include "graphics/graphic_record.h"

namespace vxpictures {

enum class PictureType { Unknown, Png, Pbm, Pgm, Ppm };

PictureType picturetypeof(const std::string& path);

// The file's bytes; false with `error` set when the picture cannot be written
// in that type (a PBM of a picture that is not black and white, an empty picture).
bool picturebytes(const vx::t_Graphic& decoded, PictureType type, std::vector<uint8_t>& out, std::string& error);

}  // namespace vxpictures
