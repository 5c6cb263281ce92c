#pragma once
/// \file
/// Reading ".gr" graphic files: the 16-byte header is checked, then the LZW,
/// run-length and packing stages of the save pipeline are undone, down to the
/// one-byte-per-value formats 0-5 that a window capture holds. Whether a stage
/// encoded its input or an encoder left a short input as it was is decided by
/// the sizes the header implies, as the encoders decided it.
///
/// Whatever a file claims, the reader reads and writes only inside its buffers
/// and allocates no more than the header's width x height can justify, and a
/// header claiming a picture larger than the toolkit can hold
/// (LargestPictureBytes) is refused before anything is allocated. A file
/// it cannot read gives an error naming what is wrong, one diagnostic line and
/// the empty record; nothing is thrown.
#include <string>
#include <vector>

#include "graphics/graphic_record.h"

namespace vx {

/// What is wrong with a ".gr" file that cannot be read.
enum class GraphicFault {
  None,                   ///< the file was read
  HeaderCutShort,         ///< fewer bytes than the 16-byte header
  HeaderSize,             ///< the first byte is not 16
  Identifier,             ///< bytes 1-4 are not "vxgr"
  Format,                 ///< a format code outside the table
  Size,                   ///< Size is not Width x Height, or a side is out of range
  PictureTooLarge,        ///< more picture than a window of the toolkit can hold
  DataCutShort,           ///< the data, or an item of its run-length stream, ends early
  DataPastPicture,        ///< more data than the picture takes
  InvalidRuns,            ///< a run-length count that no encoder writes
  InvalidCodes,           ///< an LZW code width or code that no encoder writes
  DecodesPastPicture,     ///< runs or codes that give more than the picture
  DecodesShortOfPicture,  ///< runs or codes that end cleanly short of the picture
};

/// The largest picture the reader takes, in bytes of its plain data and of the
/// rows a window of its depth stores. A window's picture lives in the toolkit
/// memory, 16 MiB, of which video memory takes less (the lowest 64 KiB stay
/// free), so no window holds a larger picture and no saved file carries one.
/// The bound allows every window the toolkit can make (8192 x 8192 one-bit
/// pixels take 8 MiB) and keeps a hostile header's claim of 65535 x 65535
/// pixels at 32 bits (16 GiB) from being believed.
inline constexpr int64_t LargestPictureBytes = int64_t{1} << 24;

/// Bytes the picture of a header's width x height takes in the larger of its
/// plain data (the format below the run-length and LZW stages) and a window's
/// rows; what LargestPictureBytes bounds. 0 for a format outside the table.
int64_t graphicpicturebytes(const t_Graphic& header);

struct GraphicReading {
  t_Graphic Graphic;  ///< the empty record unless Fault is None
  GraphicFault Fault = GraphicFault::None;  ///< None, or what is wrong with the file
  std::string Message;  ///< what is wrong, as the diagnostic line says it

  bool ok() const { return Fault == GraphicFault::None; }  ///< whether the file was read
};

/// The record that a file's bytes hold, its data as stored (any format of the
/// table). The diagnostic lines begin "graphicfromfilebytes: ".
GraphicReading graphicfromfilebytes(const std::vector<uint8_t>& file);

/// Every stage undone: format 0-5 and the data a capture of the picture holds
/// (one-bit pixels as 0 or 15, nibbles as 0-15). The diagnostic lines begin
/// "g_DecodeGraphic: ".
GraphicReading g_DecodeGraphic(const t_Graphic& stored);

/// Both: a file's bytes to the decoded picture. A byte a pixel: a one-bit
/// picture takes eight times its rows (readgraphicrows keeps them packed).
GraphicReading readgraphicfile(const std::vector<uint8_t>& file);

/// The most bytes a file with this header (graphicfromfilebytes of its first
/// 16 bytes) can hold and still be read, header included: the reader refuses a
/// larger one, so a program need not read it whole. 0 for a header it refuses.
int64_t graphicfilelimit(const t_Graphic& header);

/// A file's bytes to the picture as the rows a window of its depth stores
/// (graphic_rows.h): one-bit and four-bit pixels packed, formats 10 and 11,
/// the other depths formats 2-5 as g_DecodeGraphic gives them. An 8192 x 8192
/// one-bit picture takes 8 MiB so, where a byte a pixel takes 64 MiB.
GraphicReading readgraphicrows(const std::vector<uint8_t>& file);

}  // namespace vx
