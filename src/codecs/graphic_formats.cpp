#include "codecs/graphic_formats.h"

#include <array>
#include <string_view>

#include "codecs/graphic_export.h"

namespace vx {
namespace {

struct FormatName {
  int64_t code;
  std::string_view name;
};

// The formats below 100; each has an LZW-coded twin 100 higher.
constexpr std::array<FormatName, 20> Names{{
    {0, "g_FormatBit"},
    {1, "g_FormatNibble"},
    {2, "g_FormatByte"},
    {3, "g_FormatRGBColor"},
    {4, "g_FormatAGrey"},
    {5, "g_FormatARGBColor"},
    {10, "g_FormatPackedBit"},
    {11, "g_FormatPackedNibble"},
    {14, "g_FormatPackedAGrey"},
    {15, "g_FormatPackedARGBColor"},
    {20, "g_FormatRLEBit"},
    {21, "g_FormatRLENibble"},
    {22, "g_FormatRLEByte"},
    {23, "g_FormatRLERGBColor"},
    {24, "g_FormatRLEAGrey"},
    {25, "g_FormatRLEARGBColor"},
    {30, "g_FormatRLEPackedBit"},
    {31, "g_FormatRLEPackedNibble"},
    {34, "g_FormatRLEPackedAGrey"},
    {35, "g_FormatRLEPackedARGBColor"},
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

int64_t graphicwindowdepth(int64_t baseformat) {
  constexpr std::array<int64_t, 6> depths{1, 4, 8, 24, 16, 32};
  return baseformat >= 0 && baseformat < 6 ? depths[static_cast<size_t>(baseformat)] : 0;
}

int64_t graphicdatalength(int64_t format, int64_t width, int64_t height) {
  const int64_t pixels = width * height;
  switch (format) {
    case g_FormatBit:
    case g_FormatNibble:
    case g_FormatByte: return pixels;
    case g_FormatRGBColor: return 3 * pixels;
    case g_FormatAGrey: return 2 * pixels;
    case g_FormatARGBColor: return 4 * pixels;
    case g_FormatPackedBit: return height * ((width + 7) / 8);
    case g_FormatPackedNibble: return height * ((width + 1) / 2);
    case g_FormatPackedAGrey: return 1 + pixels;
    case g_FormatPackedARGBColor: return 1 + 3 * pixels;
    default: return 0;
  }
}

}  // namespace vx
