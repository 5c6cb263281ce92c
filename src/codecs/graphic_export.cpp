#include "codecs/graphic_export.h"

#include <array>

#include "codecs/file_access.h"
#include "codecs/file_panels.h"
#include "codecs/graphic_formats.h"
#include "codecs/lzw.h"
#include "codecs/packing.h"
#include "codecs/save_failure.h"
#include "codecs/run_length.h"
#include "graphics/screen_capture.h"
#include "host/busy_scope.h"
#include "host/host.h"
#include "runtime/conversions.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "windows/window_placement.h"

namespace vx {
namespace {

// Whether every `stride`-byte pixel starts with the same alpha byte as the first.
bool commonalpha(const std::vector<uint8_t>& data, size_t stride) {
  for (size_t i = stride; i < data.size(); i += stride)
    if (data[i] != data[0]) return false;
  return true;
}

// One common alpha byte, then the pixels without their alpha bytes.
t_Graphic packalpha(t_Graphic g, size_t stride, int64_t packedformat) {
  if (g.Size < 1 || g.Data.size() < stride) {
    g.Format = g_FormatBit;
    g.Data.clear();
    return g;
  }
  if (!commonalpha(g.Data, stride)) return g;
  const uint8_t alpha = g.Data[0];
  log("g_Pack: Transparency = " + bytetohexstring(alpha));
  std::vector<uint8_t> packed;
  packed.reserve(1 + g.Data.size() / stride * (stride - 1));
  packed.push_back(alpha);
  for (size_t i = 0; i + stride <= g.Data.size(); i += stride)
    packed.insert(packed.end(), g.Data.begin() + i + 1, g.Data.begin() + i + stride);
  g.Data = std::move(packed);
  g.Format = packedformat;
  return g;
}

// The common alpha byte stays in front; the rest is encoded in 24-bit elements.
t_Graphic compresspackedalpha(t_Graphic g, const char* from, const char* to) {
  if (g.Data.empty()) {
    g.Format = g_FormatBit;
    return g;
  }
  log("g_CompressRLE: Transparency = " + bytetohexstring(g.Data[0]));
  std::vector<uint8_t> rest(g.Data.begin() + 1, g.Data.end());
  std::vector<uint8_t> encoded{g.Data[0]};
  const std::vector<uint8_t> body = binary24torle(rest);
  encoded.insert(encoded.end(), body.begin(), body.end());
  g.Data = std::move(encoded);
  g.Format += g_FormatRLE;
  log(std::string("g_CompressRLE: ") + from + " --> " + to);
  return g;
}

using RunEncoder = std::vector<uint8_t> (*)(const std::vector<uint8_t>&);

// The data run-length encoded, the format moved to its encoded code, and the
// stage's line (if it has one) written.
t_Graphic encoderuns(t_Graphic g, RunEncoder encoder, const char* line) {
  g.Data = encoder(g.Data);
  g.Format += g_FormatRLE;
  if (line != nullptr) log(line);
  return g;
}

// The formats the LZW stage codes: those of the table that are not LZW-coded yet.
bool lzwformat(int64_t f) { return f < g_FormatLZW && isgraphicformat(f); }

void putbigendian(std::array<uint8_t, 16>& out, size_t offset, uint64_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i, value >>= 8) out[offset + i] = value & 0xFF;
}

// The front window's picture, encoded while the busy sign shows.
t_Graphic encodedfrontwindow(uint8_t window) {
  const BusyScope busy;
  return g_EncodeGraphic(g_GetScreen(window));
}

}  // namespace

t_Graphic g_Pack(t_Graphic g) {
  switch (g.Format) {
    case g_FormatBit:
      g.Data = binarybooltopackedbool(g.Data, g.Width);
      g.Format = g_FormatPackedBit;
      return g;
    case g_FormatNibble:
      g.Data = binarynibbletopackednibble(g.Data, g.Width);
      g.Format = g_FormatPackedNibble;
      return g;
    case g_FormatAGrey: return packalpha(std::move(g), 2, g_FormatPackedAGrey);
    case g_FormatARGBColor: return packalpha(std::move(g), 4, g_FormatPackedARGBColor);
    default: return g;
  }
}

t_Graphic g_CompressRLE(t_Graphic g) {
  switch (g.Format) {
    case g_FormatBit:
    case g_FormatNibble:
    case g_FormatByte:
    case g_FormatPackedBit:
    case g_FormatPackedNibble: return encoderuns(std::move(g), binary8torle, nullptr);
    case g_FormatRGBColor:
      return encoderuns(std::move(g), binary24torle,
                        "g_CompressRLE: g_FormatRGBColor --> g_FormatRLERGBColor");
    case g_FormatAGrey:
      return encoderuns(std::move(g), binary16torle,
                        "g_CompressRLE: g_FormatAGrey --> g_FormatRLEAGrey");
    case g_FormatARGBColor:
      return encoderuns(std::move(g), binary32torle,
                        "g_CompressRLE: g_FormatARGBColor --> g_FormatRLEARGBColor");
    case g_FormatPackedAGrey:
      return compresspackedalpha(std::move(g), "g_FormatPackedAGrey", "g_FormatRLEPackedAGrey");
    case g_FormatPackedARGBColor:
      return compresspackedalpha(std::move(g), "g_FormatPackedARGBColor",
                                 "g_FormatRLEPackedARGBColor");
    default: return g;
  }
}

t_Graphic g_CompressLZW(t_Graphic g) {
  if (!lzwformat(g.Format)) return g;
  if (!g.Data.empty()) g.Data = texttolzwstored(g.Data);
  g.Format += g_FormatLZW;
  return g;
}

t_Graphic g_EncodeGraphic(t_Graphic graphic) {
  return g_CompressLZW(g_CompressRLE(g_Pack(std::move(graphic))));
}

std::vector<uint8_t> graphicfilebytes(const t_Graphic& g) {
  // The header is always the 16 bytes readers expect, whatever the record says.
  constexpr size_t headersize = 16;
  std::array<uint8_t, headersize> header{};
  header[0] = headersize;
  for (size_t i = 0; i < 4 && i < g.Identifier.size(); ++i) header[1 + i] = g.Identifier[i];
  header[5] = static_cast<uint8_t>(g.Format);
  putbigendian(header, 6, static_cast<uint64_t>(g.Size), 4);
  putbigendian(header, 10, static_cast<uint64_t>(g.Width), 2);
  putbigendian(header, 12, static_cast<uint64_t>(g.Height), 2);
  header[14] = static_cast<uint8_t>(((g.ParamHigh & 0xF) << 4) | (g.ParamLow & 0xF));
  header[15] = static_cast<uint8_t>(g.Reserved);
  std::vector<uint8_t> out;
  out.reserve(headersize + g.Data.size());
  out.insert(out.end(), header.begin(), header.end());
  out.insert(out.end(), g.Data.begin(), g.Data.end());
  return out;
}

int64_t g_WriteGraphicFile(const std::string& path, const t_Graphic& graphic) {
  return setbinarytofile(path, graphicfilebytes(graphic));
}

void g_SaveGraphic() {
  const uint8_t window = t_FrontWindow();
  const t_Graphic graphic = encodedfrontwindow(window);
  const std::string name = basenameofpath(t_WindowTitle(window)) + ".gr";
  const std::string path =
      t_SavePanel(name, "Grafik sichern unter", "Grafik sichern unter", "gr");
  if (path.empty()) return;
  if (const std::optional<UserProblem> refused = graphicsavename(path)) {
    host().showProblem(*refused);
    return;
  }
  int64_t error = 0;
  {
    const BusyScope busy;
    error = g_WriteGraphicFile(path, graphic);
  }
  // A program started from the desktop has no standard output to show the
  // diagnostic line: the user is told in a box, and the old file stays.
  if (error != 0) host().showProblem(graphicsavefailure(static_cast<int>(error), path));
}

}  // namespace vx
