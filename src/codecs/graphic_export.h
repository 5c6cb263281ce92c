#pragma once
// Saving a window's picture as a ".gr" graphic file: the picture is packed,
// run-length encoded and LZW-coded, each stage rewriting the record's format
// code and data, then written after a 16-byte header. Other software reads
// these files: the header layout and the format codes are fixed.
#include <string>
#include <vector>

#include "graphics/graphic_record.h"

namespace vx {

// Format codes of the stages (those below 10 come from the window capture).
constexpr int64_t g_FormatBit = 0;
constexpr int64_t g_FormatNibble = 1;
constexpr int64_t g_FormatByte = 2;
constexpr int64_t g_FormatRGBColor = 3;
constexpr int64_t g_FormatAGrey = 4;
constexpr int64_t g_FormatARGBColor = 5;
constexpr int64_t g_FormatPackedBit = 10;
constexpr int64_t g_FormatPackedNibble = 11;
constexpr int64_t g_FormatPackedAGrey = 14;
constexpr int64_t g_FormatPackedARGBColor = 15;
constexpr int64_t g_FormatRLE = 20;  // added to the format it encodes
constexpr int64_t g_FormatLZW = 100;  // added to the format it encodes

t_Graphic g_Pack(t_Graphic graphic);
t_Graphic g_CompressRLE(t_Graphic graphic);
t_Graphic g_CompressLZW(t_Graphic graphic);
// The whole save pipeline: packed, run-length encoded, then LZW-coded.
t_Graphic g_EncodeGraphic(t_Graphic graphic);
// The 16-byte header and the data, written with setbinarytofile; answers its
// result: 0, or the system's error number.
std::vector<uint8_t> graphicfilebytes(const t_Graphic& graphic);
int64_t g_WriteGraphicFile(const std::string& path, const t_Graphic& graphic);
// Saves the front window through the save panel; runs on the main thread. A
// failed write is shown to the user with its reason.
void g_SaveGraphic();

}  // namespace vx
