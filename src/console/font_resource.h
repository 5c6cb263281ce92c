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

/// The most glyph data a font is expanded to, and the largest font file read.
/// No font uses more than 256 x 255 x 255 bytes of glyphs (codes 0-255 of
/// 255 x 255 pixels, 15.8 MiB), so 16 MiB, the toolkit memory, holds the
/// glyphs of any font whatever its data goes on to hold. A file stores those
/// bytes plainly or as LZW codes, which a real encoder writes in well under
/// four bytes per byte; 64 MiB holds either with room to spare.
constexpr int64_t FontDataLimit = int64_t{1} << 24;
constexpr int64_t FontFileLimit = int64_t{1} << 26;

/// Reads the font file `name` (with its extension) from the resource directory.
/// Any failure logs one line and answers a font without Data. The name stays
/// inside the resource directory: an empty or absolute name, or one with a
/// ".." component, is not read, nor is a folder, device or pipe, nor a file
/// larger than FontFileLimit.
t_Font t_LoadFontResource(const std::string& name);

/// The font that a font file's bytes hold, not yet expanded, checked as
/// t_LoadFontResource checks it and with its lines; `name` is the file's name
/// for the line about an empty (unreadable) file.
t_Font fontfromfilebytes(const std::vector<uint8_t>& file, const std::string& name);

/// Turns the compressed formats 100 and 102 into 0 and 2; other fonts pass
/// unchanged. Data that decodes to more than FontDataLimit bytes is kept up to
/// there: every glyph lies inside. An invalid code gives an empty Data and the
/// decoder's line.
t_Font t_ExpandFont(const t_Font& font);

/// Replaces the whole font of a window. The text geometry and the characters
/// already drawn stay; the next glyph printed uses the new font.
/// \windowtest
void t_WindowFont(uint8_t window, const t_Font& font);

}  // namespace vx
