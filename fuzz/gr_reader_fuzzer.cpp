// ".gr" graphic files as a program reads them: the header, every stage of the
// save pipeline undone, and the picture both as red, green, blue (and alpha)
// and as the rows a window of its depth stores. Whatever the file holds, what
// comes back agrees with its header, the readings agree with one another, a
// refusal leaves the empty record and its line, and no reading holds more heap
// than the file and the header's width x height account for.
#include <algorithm>
#include <cstring>

#include "fuzz_support.h"

using namespace vx;

namespace {

// Pictures of up to this many pixels are decoded. A few bytes of runs can
// rightly describe a 65535 x 65535 picture of 16 GiB, which the reader would
// then have to hold; so a larger picture is decoded only when its format has
// no run-length stage and the file is small, which keeps what it can rightly
// give small (the codes of 4 KiB of LZW describe a few MiB at most).
constexpr int64_t LargestDecodedPixels = int64_t{1} << 20;
constexpr size_t LargestFileWithoutRuns = 4096;

bool decodable(const t_Graphic& header, size_t filesize) {
  const bool runs = header.Format % g_FormatLZW >= g_FormatRLE;
  return header.Size <= LargestDecodedPixels || (!runs && filesize <= LargestFileWithoutRuns);
}

// What a reading may hold at its peak: a few copies of the file and of the
// largest file the header allows (graphicfilelimit, which counts eight bytes
// for each LZW code, as the decoder's lists of codes and of their places do).
int64_t allowedheap(size_t filesize, const t_Graphic& header) {
  return 8 * (static_cast<int64_t>(filesize) + graphicfilelimit(header)) + (int64_t{16} << 10);
}

void requirerefusal(const GraphicReading& reading, GraphicFault fault) {
  vxfuzz::require(reading.Fault == fault, "readings of one file refuse it for different faults");
  vxfuzz::require(reading.Graphic == t_Graphic{} && !reading.Message.empty(),
                  "a refusal left a record or no message");
}

// The decoded picture's pixels through the toolkit's colour conversion.
void checkpixels(const t_Graphic& decoded) {
  int64_t most = 0;
  const GraphicPixels pixels = vxfuzz::heapmeasured(most, [&] { return graphicpixels(decoded); });
  vxfuzz::require(most <= 4 * decoded.Size + 1024, "pixels held more heap than four bytes a pixel");
  const bool alpha = decoded.Format == g_FormatAGrey || decoded.Format == g_FormatARGBColor;
  vxfuzz::require(pixels.Width == decoded.Width && pixels.Height == decoded.Height && pixels.HasAlpha == alpha,
                  "pixels of another size or kind than the picture");
  vxfuzz::require(static_cast<int64_t>(pixels.Samples.size()) == decoded.Size * (alpha ? 4 : 3),
                  "pixel samples do not cover the picture");
}

// The rows as a window stores them hold the decoded picture's values, read
// through the stored picture's own row addresses.
void checkrows(const t_Graphic& decoded, const t_Graphic& rows) {
  const int64_t base = decoded.Format;
  const int64_t w = decoded.Width, h = decoded.Height;
  const int64_t rowformat = base == g_FormatBit ? g_FormatPackedBit : base == g_FormatNibble ? g_FormatPackedNibble : base;
  vxfuzz::require(rows.Format == rowformat && rows.Width == w && rows.Height == h && rows.Size == decoded.Size,
                  "rows of another format or size than the picture");
  const int64_t rowbytes = graphicdatalength(rowformat, w, 1);
  vxfuzz::require(static_cast<int64_t>(rows.Data.size()) == rowbytes * h, "rows do not fill the picture");
  const StoredPicture picture = graphicstoredpicture(rows);
  if (w == 0 || h == 0) {
    vxfuzz::require(picture.data == nullptr, "an empty picture has stored rows");
    return;
  }
  vxfuzz::require(picture.data == rows.Data.data() && picture.width == w && picture.height == h &&
                      picture.rowbytes == rowbytes && picture.depth == graphicwindowdepth(base),
                  "stored picture differs from its rows");
  const int64_t bytesperpixel = graphicdatalength(base, 1, 1);
  for (int64_t y = 0; y < h; ++y) {
    const uint8_t* row = picture.row(y);
    const uint8_t* values = decoded.Data.data() + y * w * bytesperpixel;
    if (base == g_FormatBit) {
      for (int64_t x = 0; x < w; ++x)
        vxfuzz::require((row[x >> 3] >> (7 - (x & 7)) & 1) == (values[x] != 0), "a row's bit differs");
    } else if (base == g_FormatNibble) {
      for (int64_t x = 0; x < w; ++x)
        vxfuzz::require((row[x >> 1] >> ((x & 1) != 0 ? 0 : 4) & 15) == values[x], "a row's nibble differs");
    } else {
      vxfuzz::require(std::memcmp(row, values, static_cast<size_t>(rowbytes)) == 0, "a row's bytes differ");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::quiethost();
  const std::vector<uint8_t> file(data, data + size);
  const GraphicReading header = graphicfromfilebytes(file);
  if (!header.ok()) {
    requirerefusal(header, header.Fault);
    requirerefusal(readgraphicfile(file), header.Fault);
    requirerefusal(readgraphicrows(file), header.Fault);
    return 0;
  }
  const t_Graphic& stored = header.Graphic;
  vxfuzz::require(stored.Size == stored.Width * stored.Height && stored.Data.size() == size - 16 &&
                      isgraphicformat(stored.Format) && graphicfilelimit(stored) > 0,
                  "header read inconsistently");
  if (!decodable(stored, size)) return 0;

  const int64_t allowed = allowedheap(size, stored);
  int64_t most = 0;
  const GraphicReading decoded = vxfuzz::heapmeasured(most, [&] { return readgraphicfile(file); });
  vxfuzz::require(most <= allowed, "decoding held more heap than the file and its header account for");
  const GraphicReading rows = vxfuzz::heapmeasured(most, [&] { return readgraphicrows(file); });
  vxfuzz::require(most <= allowed, "reading rows held more heap than the file and its header account for");
  if (!decoded.ok()) {
    requirerefusal(decoded, decoded.Fault);
    requirerefusal(rows, decoded.Fault);
    return 0;
  }
  vxfuzz::require(static_cast<int64_t>(size) <= graphicfilelimit(stored), "read a file larger than its limit");
  vxfuzz::require(rows.ok(), "rows refused where the picture was read");

  const t_Graphic& picture = decoded.Graphic;
  vxfuzz::require(picture.Format == graphicbaseformat(stored.Format) && picture.Width == stored.Width &&
                      picture.Height == stored.Height && picture.Size == stored.Size &&
                      picture.ParamHigh == stored.ParamHigh && picture.ParamLow == stored.ParamLow &&
                      picture.Reserved == stored.Reserved,
                  "decoded picture differs from its header");
  vxfuzz::require(static_cast<int64_t>(picture.Data.size()) ==
                      graphicdatalength(picture.Format, picture.Width, picture.Height),
                  "decoded data does not fill the picture");
  for (const uint8_t value : picture.Data)
    vxfuzz::require(picture.Format == g_FormatBit ? value == 0 || value == 15
                                                 : picture.Format != g_FormatNibble || value <= 15,
                    "a one-bit or four-bit pixel outside its values");
  checkpixels(picture);
  checkrows(picture, rows.Graphic);
  return 0;
}
