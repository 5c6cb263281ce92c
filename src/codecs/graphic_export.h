#pragma once
/// \file
/// Saving a window's picture as a ".gr" graphic file: the picture is packed,
/// run-length encoded and LZW-coded, each stage rewriting the record's format
/// code and data (the codes of graphics/picture_formats.h), then written after
/// a 16-byte header. Other software reads these files: the header layout is fixed.
#include <string>
#include <vector>

#include "graphics/graphic_record.h"
#include "graphics/picture_formats.h"

namespace vx {

/// Packs a capture: one-bit pixels and nibbles into formats 10 and 11, and
/// alpha formats whose pixels all share one alpha byte into 14 and 15 (that
/// byte written once). Other formats, and alpha with differing bytes, come
/// back unchanged; an empty alpha picture becomes the empty format-0 record.
t_Graphic g_Pack(t_Graphic graphic);
/// Run-length encodes the data of a format below 20 and adds g_FormatRLE to the
/// format (data too short to gain anything stays as it was, the format moves
/// all the same); other formats come back unchanged.
t_Graphic g_CompressRLE(t_Graphic graphic);
/// LZW-codes the data into its stored form and adds g_FormatLZW to the
/// format; a format already LZW-coded, or none of the table, comes back unchanged.
t_Graphic g_CompressLZW(t_Graphic graphic);
/// The whole save pipeline: packed, run-length encoded, then LZW-coded.
t_Graphic g_EncodeGraphic(t_Graphic graphic);
/// The 16-byte header and the data, written with setbinarytofile.
std::vector<uint8_t> graphicfilebytes(const t_Graphic& graphic);
/// Writes the ".gr" file: the 16-byte header and the data. A file that cannot
/// be written leaves the old one as it was, after setbinarytofile's line.
void g_WriteGraphicFile(const std::string& path, const t_Graphic& graphic);
/// Saves the front window's picture as a ".gr" file, named after the window's
/// title, where the user chooses in the save panel; nothing when the user
/// cancels. The program installs it as MenuSaveProcedure for the save command.
/// A front window that is no slot gives an empty picture (after the capture's
/// line); a file that cannot be written, setbinarytofile's line.
void g_SaveGraphic();

}  // namespace vx
