#include "hosts/resource_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "console/font_resource.h"

namespace vx {

namespace {

namespace fs = std::filesystem;

// No font file is larger: a header and 256 glyphs of at most 255 x 255 bytes.
constexpr std::uintmax_t LargestFontFile = 16 + 256 * 255 * 255;

std::string quoted(const std::string& text) { return "\u201E" + text + "\u201C"; }

std::vector<fs::path> fontfiles(const fs::path& folder, std::error_code& error) {
  std::vector<fs::path> fonts;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".font") fonts.push_back(entry.path());
  }
  std::sort(fonts.begin(), fonts.end());
  return fonts;
}

// Whether the file holds a font: a regular file of a font's size whose
// header the toolkit accepts and whose glyphs expand to every code it names.
bool usablefont(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size == 0 || size > LargestFontFile) return false;
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) return false;
  const t_Font font = t_ExpandFont(fontfromfilebytes(bytes, path.filename().string()));
  // The glyph of code c lies c x Width x Height bytes into the data, so a
  // font that prints every code up to End holds at least that many.
  const auto glyphbytes = static_cast<size_t>((font.End + 1) * font.Width * font.Height);
  return font.Width > 0 && font.Height > 0 && font.Data.size() >= glyphbytes;
}

}  // namespace

std::optional<std::string> programresourceproblem(const std::string& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error))
    return "Der Ordner mit den Schriften des Programms fehlt: " + quoted(folder) + ".";
  const std::vector<fs::path> fonts = fontfiles(folder, error);
  if (error)
    return "Der Ordner mit den Schriften des Programms ist nicht lesbar: " + quoted(folder) + ".";
  if (fonts.empty())
    return "Im Ordner " + quoted(folder) + " liegt keine Schrift (Dateien \u201E*.font\u201C).";
  for (const fs::path& font : fonts) {
    if (!usablefont(font))
      return "Die Schrift " + quoted(font.string()) + " ist beschädigt oder keine Schriftdatei.";
  }
  return std::nullopt;
}

}  // namespace vx
