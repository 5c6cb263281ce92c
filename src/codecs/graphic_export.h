#pragma once
/// \file
/// Saving a window's picture as a ".gr" graphic file: the picture is packed,
/// run-length encoded and LZW-coded, each stage rewriting the record's format
/// code and data, then written after a 16-byte header. Other software reads
/// these files: the header layout and the format codes are fixed.
#include <string>
#include <vector>

#include "graphics/graphic_record.h"

namespace vx {

// Format codes of the stages (those below 10 come from the window capture).
constexpr int64_t g_FormatBit = 0;  ///< a 1-bit window: one byte a pixel, palette index 0 or 15
constexpr int64_t g_FormatNibble = 1;  ///< a 4-bit window: one palette index a byte
constexpr int64_t g_FormatByte = 2;  ///< an 8-bit window: one grey level a byte
constexpr int64_t g_FormatRGBColor = 3;  ///< a 24-bit window: Red, Green, Blue
constexpr int64_t g_FormatAGrey = 4;  ///< a 16-bit window: Alpha, grey level
constexpr int64_t g_FormatARGBColor = 5;  ///< a 32-bit window: Alpha, Red, Green, Blue
constexpr int64_t g_FormatPackedBit = 10;  ///< one-bit pixels packed eight to a byte
constexpr int64_t g_FormatPackedNibble = 11;  ///< palette indexes packed two to a byte
constexpr int64_t g_FormatPackedAGrey = 14;  ///< one alpha byte that every pixel shares, then the grey levels
constexpr int64_t g_FormatPackedARGBColor = 15;  ///< one alpha byte that every pixel shares, then Red, Green, Blue
constexpr int64_t g_FormatRLE = 20;  ///< added to the format it encodes
constexpr int64_t g_FormatLZW = 100;  ///< added to the format it encodes

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
