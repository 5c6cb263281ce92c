#include "codecs/graphic_import.h"

#include <algorithm>
#include <array>
#include <span>

#include "codecs/graphic_formats.h"
#include "codecs/lzw.h"
#include "codecs/packing.h"
#include "codecs/run_length.h"
#include "runtime/log.h"

namespace vx {
namespace {

constexpr size_t HeaderLength = 16;
constexpr std::array<uint8_t, 4> GraphicType{'v', 'x', 'g', 'r'};
constexpr int64_t LargestSide = 0xFFFF;  // the header holds each side in two bytes

GraphicReading failure(const char* routine, GraphicFault fault, std::string message) {
  log(std::string(routine) + ": " + message);
  return {t_Graphic{}, fault, std::move(message)};
}

uint64_t bigendian(const std::vector<uint8_t>& bytes, size_t offset, size_t count) {
  uint64_t value = 0;
  for (size_t i = 0; i < count; ++i) value = (value << 8) | bytes[offset + i];
  return value;
}

// The identifier as text, bytes that are no printable ASCII as \xHH.
std::string shownbytes(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string shown;
  for (size_t i = from; i < from + count; ++i) {
    const uint8_t b = bytes[i];
    if (b >= 0x20 && b < 0x7F && b != '\\' && b != '"') {
      shown += static_cast<char>(b);
    } else {
      shown += {'\\', 'x', hex[b >> 4], hex[b & 0xF]};
    }
  }
  return shown;
}

// The format below the run-length and LZW stages: 0-5, 10, 11, 14 or 15.
int64_t plainformat(int64_t format) {
  const int64_t code = format % g_FormatLZW;
  return code >= g_FormatRLE ? code - g_FormatRLE : code;
}

// The format a window of the picture's depth stores its rows in.
int64_t rowsformat(int64_t baseformat) {
  if (baseformat == g_FormatBit) return g_FormatPackedBit;
  if (baseformat == g_FormatNibble) return g_FormatPackedNibble;
  return baseformat;
}

std::string toolarge(const t_Graphic& g) {
  return "Picture of " + std::to_string(g.Width) + " x " + std::to_string(g.Height) + " pixels in format " +
         std::to_string(g.Format) + " takes " + std::to_string(graphicpicturebytes(g)) + " bytes, more than the " +
         std::to_string(LargestPictureBytes) + " bytes (16 MiB) the toolkit holds.";
}

std::string described(int64_t format) {
  return "format " + std::to_string(format) + " (" + graphicformatname(format) + ")";
}

// Bytes per element of a run-length format's stream (after its alpha byte, for 34 and 35).
int elementwidth(int64_t rleformat) {
  switch (rleformat - g_FormatRLE) {
    case g_FormatRGBColor:
    case g_FormatPackedAGrey:
    case g_FormatPackedARGBColor: return 3;
    case g_FormatAGrey: return 2;
    case g_FormatARGBColor: return 4;
    default: return 1;
  }
}

bool keepsalphabyte(int64_t rleformat) {
  return rleformat == g_FormatRLE + g_FormatPackedAGrey || rleformat == g_FormatRLE + g_FormatPackedARGBColor;
}

// The longest stream the run-length encoder writes for `length` bytes: at
// worst each element costs one byte more (a lone marker element), plus the
// marker in front.
int64_t longestrunlength(int64_t length, int width) {
  return rleencodes(length, width) ? width + length + length / width : length;
}

// The most bytes the stage below LZW can hold for a picture of this size.
int64_t lzwlimit(int64_t inner, int64_t width, int64_t height) {
  if (inner < g_FormatRLE) return graphicdatalength(inner, width, height);
  const int64_t below = graphicdatalength(inner - g_FormatRLE, width, height);
  if (keepsalphabyte(inner)) return 1 + longestrunlength(below - 1, 3);
  return longestrunlength(below, elementwidth(inner));
}

// Undoes the stages of one record, one after the other, each checked against
// the lengths that the picture's size implies.
class StageUndoer {
 public:
  // `rows`: stop at the rows a window stores instead of a byte per value.
  StageUndoer(t_Graphic stored, bool rows) : graphic_(std::move(stored)), rows_(rows) {}

  GraphicReading run() {
    format_ = graphic_.Format;
    if (!isgraphicformat(format_)) {
      fail(GraphicFault::Format, "Format code " + std::to_string(format_) + " is not a graphic format.");
      return failed_;
    }
    if (!sizesfit()) return failed_;
    data_ = std::move(graphic_.Data);
    if (format_ >= g_FormatLZW && !undolzw()) return failed_;
    if (format_ >= g_FormatRLE && !undoruns()) return failed_;
    if (!fits(format_, data_, "Data of " + described(format_))) return failed_;
    if (rows_) {
      torows();
    } else {
      unpack();
    }
    graphic_.Format = format_;
    graphic_.Data = std::move(data_);
    return {std::move(graphic_), GraphicFault::None, {}};
  }

 private:
  bool fail(GraphicFault fault, std::string message) {
    failed_ = failure("g_DecodeGraphic", fault, std::move(message));
    return false;
  }

  int64_t length(int64_t format) const { return graphicdatalength(format, graphic_.Width, graphic_.Height); }

  bool sizesfit() {
    const int64_t w = graphic_.Width, h = graphic_.Height;
    if (w < 0 || h < 0 || w > LargestSide || h > LargestSide)
      return fail(GraphicFault::Size, "Width " + std::to_string(w) + " and height " + std::to_string(h) +
                                          " are not 0 to 65535 pixels.");
    if (graphic_.Size != w * h)
      return fail(GraphicFault::Size, "Size " + std::to_string(graphic_.Size) + " is not width x height (" +
                                          std::to_string(w) + " x " + std::to_string(h) + " = " +
                                          std::to_string(w * h) + ").");
    if (graphicpicturebytes(graphic_) > LargestPictureBytes)
      return fail(GraphicFault::PictureTooLarge, toolarge(graphic_));
    return true;
  }

  // Plain or packed data, or data an encoder left as it was: exactly its length.
  bool fits(int64_t format, const std::vector<uint8_t>& data, const std::string& what) {
    const int64_t expected = length(format);
    const auto size = static_cast<int64_t>(data.size());
    if (size < expected)
      return fail(GraphicFault::DataCutShort, what + " ends early: " + std::to_string(size) +
                                                  " bytes where the picture takes " + std::to_string(expected) + ".");
    if (size > expected)
      return fail(GraphicFault::DataPastPicture, what + " goes on past the picture: " + std::to_string(size) +
                                                     " bytes where the picture takes " + std::to_string(expected) + ".");
    return true;
  }

  bool undolzw() {
    const int64_t inner = format_ - g_FormatLZW;
    const int64_t limit = lzwlimit(inner, graphic_.Width, graphic_.Height);
    const std::string what = "LZW data of " + described(format_);
    // Below the run-length stages the text has one right length.
    Decoded text = lzwstoreddecoded(data_, limit, inner < g_FormatRLE ? limit : -1);
    switch (text.Problem) {
      case DecodeProblem::None: break;
      case DecodeProblem::PastEnd:
        return fail(GraphicFault::DecodesPastPicture, what + " decodes past the picture: " + text.Detail);
      case DecodeProblem::ShortOfEnd:
        return fail(GraphicFault::DecodesShortOfPicture, what + " decodes short of the picture: " + text.Detail);
      default: return fail(GraphicFault::InvalidCodes, what + ": " + text.Detail);
    }
    data_ = std::move(text.Bytes);
    format_ = inner;
    return true;
  }

  bool undoruns() {
    const int64_t below = format_ - g_FormatRLE;
    const int width = elementwidth(format_);
    const std::string what = "Run-length data of " + described(format_);
    // The decoded picture is written straight after the alpha byte, so that
    // only the stream and the one picture are ever held.
    std::vector<uint8_t> out;
    size_t from = 0;
    if (keepsalphabyte(format_)) {
      if (data_.empty()) return fail(GraphicFault::DataCutShort, what + " ends early: it lacks its alpha byte.");
      out.push_back(data_[0]);
      from = 1;
    }
    const int64_t expected = length(below) - static_cast<int64_t>(from);
    if (!rleencodes(expected, width)) {
      // Too short for the encoder, which left it as it was.
      if (!fits(below, data_, what)) return false;
      format_ = below;
      return true;
    }
    Decoded runs = runlengthdecoded(std::span<const uint8_t>(data_).subspan(from), width, expected, std::move(out));
    switch (runs.Problem) {
      case DecodeProblem::None: break;
      case DecodeProblem::CutShort: return fail(GraphicFault::DataCutShort, what + " ends early: " + runs.Detail);
      case DecodeProblem::Invalid: return fail(GraphicFault::InvalidRuns, what + ": " + runs.Detail);
      case DecodeProblem::PastEnd:
        return fail(GraphicFault::DecodesPastPicture, what + " decodes past the picture: " + runs.Detail);
      case DecodeProblem::ShortOfEnd:
        return fail(GraphicFault::DecodesShortOfPicture, what + " decodes short of the picture: " + runs.Detail);
    }
    data_ = std::move(runs.Bytes);
    format_ = below;
    return true;
  }

  // Packed formats back to one value per byte; plain values as a capture holds them.
  void unpack() {
    const int64_t pixels = graphic_.Size;
    switch (format_) {
      case g_FormatPackedBit: data_ = packedbooltobinarybool(data_, graphic_.Width, pixels); [[fallthrough]];
      case g_FormatBit:
        for (uint8_t& value : data_) value = value != 0 ? 15 : 0;  // set bits read as palette index 15
        format_ = g_FormatBit;
        break;
      case g_FormatPackedNibble: data_ = packednibbletobinarynibble(data_, graphic_.Width, pixels); [[fallthrough]];
      case g_FormatNibble:
        for (uint8_t& value : data_) value &= 0x0F;  // as the nibble packing reads a value
        format_ = g_FormatNibble;
        break;
      case g_FormatPackedAGrey: unpackalpha(1, g_FormatAGrey); break;
      case g_FormatPackedARGBColor: unpackalpha(3, g_FormatARGBColor); break;
      default: break;
    }
  }

  // One-bit and four-bit values packed as a window's rows hold them; the
  // packed formats stay as they are.
  void torows() {
    switch (format_) {
      case g_FormatBit:
        data_ = binarybooltopackedbool(data_, graphic_.Width);
        format_ = g_FormatPackedBit;
        break;
      case g_FormatNibble:
        data_ = binarynibbletopackednibble(data_, graphic_.Width);
        format_ = g_FormatPackedNibble;
        break;
      case g_FormatPackedAGrey: unpackalpha(1, g_FormatAGrey); break;
      case g_FormatPackedARGBColor: unpackalpha(3, g_FormatARGBColor); break;
      default: break;
    }
  }

  // The common alpha byte put back in front of each pixel of `colours` bytes.
  void unpackalpha(size_t colours, int64_t format) {
    std::vector<uint8_t> out;
    out.reserve((data_.size() - 1) / colours * (colours + 1));
    for (size_t at = 1; at + colours <= data_.size(); at += colours) {
      out.push_back(data_[0]);
      out.insert(out.end(), data_.begin() + static_cast<std::ptrdiff_t>(at),
                 data_.begin() + static_cast<std::ptrdiff_t>(at + colours));
    }
    data_ = std::move(out);
    format_ = format;
  }

  t_Graphic graphic_;
  bool rows_;
  int64_t format_ = 0;
  std::vector<uint8_t> data_;
  GraphicReading failed_;
};

}  // namespace

GraphicReading graphicfromfilebytes(const std::vector<uint8_t>& file) {
  constexpr const char* routine = "graphicfromfilebytes";
  if (file.empty()) return failure(routine, GraphicFault::HeaderCutShort, "File is empty, without its 16-byte header.");
  if (file[0] != HeaderLength)
    return failure(routine, GraphicFault::HeaderSize, "Header size " + std::to_string(file[0]) + " instead of 16.");
  if (file.size() < HeaderLength)
    return failure(routine, GraphicFault::HeaderCutShort,
                   "File of " + std::to_string(file.size()) + " bytes ends inside its 16-byte header.");
  if (!std::equal(GraphicType.begin(), GraphicType.end(), file.begin() + 1))
    return failure(routine, GraphicFault::Identifier,
                   "Identifier \"" + shownbytes(file, 1, 4) + "\" instead of \"vxgr\".");
  t_Graphic g;
  g.Format = file[5];
  if (!isgraphicformat(g.Format))
    return failure(routine, GraphicFault::Format, "Format code " + std::to_string(g.Format) + " is not a graphic format.");
  g.Size = static_cast<int64_t>(bigendian(file, 6, 4));
  g.Width = static_cast<int64_t>(bigendian(file, 10, 2));
  g.Height = static_cast<int64_t>(bigendian(file, 12, 2));
  if (g.Size != g.Width * g.Height)
    return failure(routine, GraphicFault::Size,
                   "Size " + std::to_string(g.Size) + " is not width x height (" + std::to_string(g.Width) + " x " +
                       std::to_string(g.Height) + " = " + std::to_string(g.Width * g.Height) + ").");
  if (graphicpicturebytes(g) > LargestPictureBytes)
    return failure(routine, GraphicFault::PictureTooLarge, toolarge(g));
  g.ParamHigh = file[14] >> 4;
  g.ParamLow = file[14] & 0x0F;
  g.Reserved = file[15];
  g.Data.assign(file.begin() + HeaderLength, file.end());
  return {std::move(g), GraphicFault::None, {}};
}

GraphicReading g_DecodeGraphic(const t_Graphic& stored) { return StageUndoer(stored, false).run(); }

GraphicReading readgraphicfile(const std::vector<uint8_t>& file) {
  GraphicReading stored = graphicfromfilebytes(file);
  if (!stored.ok()) return stored;
  return StageUndoer(std::move(stored.Graphic), false).run();
}

int64_t graphicpicturebytes(const t_Graphic& header) {
  if (!isgraphicformat(header.Format)) return 0;
  const int64_t w = std::clamp<int64_t>(header.Width, 0, LargestSide);
  const int64_t h = std::clamp<int64_t>(header.Height, 0, LargestSide);
  return std::max(graphicdatalength(plainformat(header.Format), w, h),
                  graphicdatalength(rowsformat(graphicbaseformat(header.Format)), w, h));
}

int64_t graphicfilelimit(const t_Graphic& header) {
  const int64_t w = header.Width, h = header.Height;
  if (!isgraphicformat(header.Format) || w < 0 || h < 0 || w > LargestSide || h > LargestSide) return 0;
  if (graphicpicturebytes(header) > LargestPictureBytes) return 0;
  if (header.Format < g_FormatLZW) return int64_t{HeaderLength} + lzwlimit(header.Format, w, h);
  // Every code stands for one byte at least, and takes 64 bits at most.
  constexpr int64_t LargestCodeBytes = 8;
  return int64_t{HeaderLength} + 1 + LargestCodeBytes * (lzwlimit(header.Format - g_FormatLZW, w, h) + 1);
}

GraphicReading readgraphicrows(const std::vector<uint8_t>& file) {
  GraphicReading stored = graphicfromfilebytes(file);
  if (!stored.ok()) return stored;
  return StageUndoer(std::move(stored.Graphic), true).run();
}

}  // namespace vx
