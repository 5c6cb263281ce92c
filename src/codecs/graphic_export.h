#pragma once
// Saving a window's picture as a ".gr" graphic file: the picture is packed,
// run-length encoded and LZW-coded, each stage rewriting the record's format
// code and data (the codes of graphics/picture_formats.h), then written after
// a 16-byte header. Other software reads these files: the header layout is fixed.
#include <string>
#include <vector>

#include "graphics/graphic_record.h"
#include "graphics/picture_formats.h"

namespace vx {

t_Graphic g_Pack(t_Graphic graphic);
t_Graphic g_CompressRLE(t_Graphic graphic);
t_Graphic g_CompressLZW(t_Graphic graphic);
// The whole save pipeline: packed, run-length encoded, then LZW-coded.
t_Graphic g_EncodeGraphic(t_Graphic graphic);
// The 16-byte header and the data, written with setbinarytofile.
std::vector<uint8_t> graphicfilebytes(const t_Graphic& graphic);
void g_WriteGraphicFile(const std::string& path, const t_Graphic& graphic);
// Saves the front window through the save panel; runs on the main thread.
void g_SaveGraphic();

}  // namespace vx
