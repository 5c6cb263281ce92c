#include "codecs/graphic_formats.h"

#include <array>
#include <string_view>

namespace vx {
namespace {

struct FormatName {
  int64_t code;
  std::string_view name;
};

// The formats below 100; each has an LZW-coded twin 100 higher.
constexpr std::array<FormatName, 20> Names{{
    {g_FormatBit, "g_FormatBit"},
    {g_FormatNibble, "g_FormatNibble"},
    {g_FormatByte, "g_FormatByte"},
    {g_FormatRGBColor, "g_FormatRGBColor"},
    {g_FormatAGrey, "g_FormatAGrey"},
    {g_FormatARGBColor, "g_FormatARGBColor"},
    {g_FormatPackedBit, "g_FormatPackedBit"},
    {g_FormatPackedNibble, "g_FormatPackedNibble"},
    {g_FormatPackedAGrey, "g_FormatPackedAGrey"},
    {g_FormatPackedARGBColor, "g_FormatPackedARGBColor"},
    {g_FormatRLE + g_FormatBit, "g_FormatRLEBit"},
    {g_FormatRLE + g_FormatNibble, "g_FormatRLENibble"},
    {g_FormatRLE + g_FormatByte, "g_FormatRLEByte"},
    {g_FormatRLE + g_FormatRGBColor, "g_FormatRLERGBColor"},
    {g_FormatRLE + g_FormatAGrey, "g_FormatRLEAGrey"},
    {g_FormatRLE + g_FormatARGBColor, "g_FormatRLEARGBColor"},
    {g_FormatRLE + g_FormatPackedBit, "g_FormatRLEPackedBit"},
    {g_FormatRLE + g_FormatPackedNibble, "g_FormatRLEPackedNibble"},
    {g_FormatRLE + g_FormatPackedAGrey, "g_FormatRLEPackedAGrey"},
    {g_FormatRLE + g_FormatPackedARGBColor, "g_FormatRLEPackedARGBColor"},
}};

constexpr std::string_view Prefix = "g_Format";

std::string_view basename(int64_t code) {
  for (const FormatName& entry : Names)
    if (entry.code == code) return entry.name;
  return {};
}

}  // namespace

bool isgraphicformat(int64_t format) { return !graphicformatname(format).empty(); }

std::string graphicformatname(int64_t format) {
  if (format >= g_FormatLZW) {
    const std::string_view coded = basename(format - g_FormatLZW);
    if (coded.empty()) return {};
    return std::string(Prefix) + "LZW" + std::string(coded.substr(Prefix.size()));
  }
  return std::string(basename(format));
}

int64_t graphicbaseformat(int64_t format) {
  int64_t code = format % g_FormatLZW;
  if (code >= g_FormatRLE) code -= g_FormatRLE;
  if (code >= g_FormatPackedBit) code -= g_FormatPackedBit;
  return code;
}

int64_t graphicdatalength(int64_t format, int64_t width, int64_t height) {
  const int64_t pixels = width * height;
  if (graphicpixelbytes(format) > 0) return graphicpixelbytes(format) * pixels;
  switch (format) {
    case g_FormatPackedBit: return height * ((width + 7) / 8);
    case g_FormatPackedNibble: return height * ((width + 1) / 2);
    case g_FormatPackedAGrey: return 1 + pixels;
    case g_FormatPackedARGBColor: return 1 + 3 * pixels;
    default: return 0;
  }
}

}  // namespace vx
