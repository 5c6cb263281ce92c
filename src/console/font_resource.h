#pragma once
/// \file
/// Bitmap fonts: reading a font file from the resource directory, expanding
/// its compressed forms, and giving a window another font.
///
/// A font file starts with a header (all numbers big-endian):
///   0  HeaderSize (1 byte, usually 16)   1  "vxfn"          5  Format (1 byte)
///   6  Size (4 bytes, carried)           10 Start  11 End   12 Width  13 Height
///   14 Reserved (2 bytes, carried; 0 when the file is shorter than 16 bytes)
/// and the glyph data follows from offset HeaderSize to the end of the file.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/window_record.h"

namespace vx {

// Pixel formats of a font's glyph data.
constexpr int64_t FontFormatPlain = 0;            ///< not grey; printing refuses it
constexpr int64_t FontFormatGrey = 2;             ///< one grey level per pixel; the one printing draws
constexpr int64_t FontFormatPlainCompressed = 100;  ///< FontFormatPlain, LZW-coded
constexpr int64_t FontFormatGreyCompressed = 102;  ///< FontFormatGrey, LZW-coded; t_ExpandFont expands it

/// Reads the font file `name` (with its extension) from the resource directory.
/// Any failure logs one line and answers a font without Data.
t_Font t_LoadFontResource(const std::string& name);

/// The font that a font file's bytes hold, not yet expanded, checked as
/// t_LoadFontResource checks it and with its lines; `name` is the file's name
/// for the line about an empty (unreadable) file.
t_Font fontfromfilebytes(const std::vector<uint8_t>& file, const std::string& name);

/// Turns the compressed formats 100 and 102 into 0 and 2; other fonts pass
/// unchanged. Expanding stops, with an empty Data and the decoder's line, once
/// the glyphs would pass (End + 1) x Width x Height bytes: printing uses no more.
t_Font t_ExpandFont(const t_Font& font);

/// Replaces the whole font of a window. The text geometry and the characters
/// already drawn stay; the next glyph printed uses the new font.
/// \windowtest
void t_WindowFont(uint8_t window, const t_Font& font);

}  // namespace vx
