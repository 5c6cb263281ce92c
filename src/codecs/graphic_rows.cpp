#include "codecs/graphic_rows.h"

#include "codecs/graphic_formats.h"

namespace vx {

StoredPicture graphicstoredpicture(const t_Graphic& rows) {
  const int64_t format = rows.Format;
  const bool rowformat = format == g_FormatPackedBit || format == g_FormatPackedNibble ||
                         (format >= g_FormatByte && format <= g_FormatARGBColor);
  if (!rowformat || rows.Width <= 0 || rows.Height <= 0) return {};
  const int64_t rowbytes = graphicdatalength(format, rows.Width, 1);
  if (rowbytes * rows.Height != static_cast<int64_t>(rows.Data.size())) return {};
  return {rows.Data.data(), rows.Width, rows.Height, graphicwindowdepth(graphicbaseformat(format)), rowbytes};
}

}  // namespace vx
