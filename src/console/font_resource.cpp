#include "console/font_resource.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "codecs/lzw.h"
#include "console/console_window.h"
#include "host/bundle.h"
#include "host/host.h"
#include "runtime/conversions.h"
#include "runtime/log.h"
#include "runtime/memory.h"

namespace vx {

namespace {

constexpr std::string_view caller = "t_LoadFontResource";
const std::vector<uint8_t> fontfiletype{'v', 'x', 'f', 'n'};

std::string resourcedirectory() {
  if (hostinstalled()) return host().resourceDirectory();
  return bundleresourcedirectory(executablebundlepath());
}

// The whole file, or nothing when it cannot be read.
std::vector<uint8_t> readwholefile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
  if (file.bad()) return {};
  return bytes;
}

// A font without data that keeps what the file told before it went wrong.
t_Font rejectedfont(int64_t headersize, std::vector<uint8_t> identifier) {
  t_Font font;
  font.HeaderSize = headersize;
  font.Identifier = std::move(identifier);
  return font;
}

t_Font fontfromheader(const std::vector<uint8_t>& file, int64_t headersize) {
  t_Font font;
  font.HeaderSize = headersize;
  font.Identifier = fontfiletype;
  auto byteat = [&](size_t offset) -> int64_t { return offset < file.size() ? file[offset] : 0; };
  font.Format = byteat(5);
  font.Size = readuint32be(file, 6);
  font.Start = static_cast<uint8_t>(byteat(10));
  font.End = static_cast<uint8_t>(byteat(11));
  font.Width = byteat(12);
  font.Height = byteat(13);
  font.Reserved = file.size() >= 16 ? byteat(14) << 8 | byteat(15) : 0;
  font.Data.assign(file.begin() + headersize, file.end());
  return font;
}

// The most glyph data a font can use: printing draws the codes up to End, and
// the glyph of code c lies c x Width x Height bytes into the data. No font
// needs more, 256 x 255 x 255 bytes (16.6 MB) at the very most; expanding
// stops there, so a few hostile codes cannot describe a gigabyte.
int64_t glyphdatalimit(const t_Font& font) {
  const auto byte = [](int64_t v) { return std::clamp<int64_t>(v, 0, 255); };
  return (byte(font.End) + 1) * byte(font.Width) * byte(font.Height);
}

}  // namespace

t_Font fontfromfilebytes(const std::vector<uint8_t>& file, const std::string& name) {
  if (file.empty()) {
    log(std::string(caller) + ": Could not load file \u201E" + name + "\u201C");
    return t_Font{};
  }
  const int64_t headersize = file[0];
  if (static_cast<int64_t>(file.size()) < headersize) {
    log(std::string(caller) + ": Invalid header size");
    return rejectedfont(headersize, fontfiletype);
  }
  // A header shorter than five bytes cannot hold the type code; the bytes it
  // lacks compare as missing, so such a file is of the wrong type.
  const size_t identifierend = std::min<size_t>(file.size(), 5);
  std::vector<uint8_t> identifier(file.begin() + 1, file.begin() + identifierend);
  if (identifier != fontfiletype) {
    log(std::string(caller) + ": Invalid file type");
    return rejectedfont(headersize, std::move(identifier));
  }
  return fontfromheader(file, headersize);
}

t_Font t_LoadFontResource(const std::string& name) {
  return t_ExpandFont(fontfromfilebytes(readwholefile(resourcedirectory() + "/" + name), name));
}

t_Font t_ExpandFont(const t_Font& font) {
  if (font.Format != FontFormatGreyCompressed && font.Format != FontFormatPlainCompressed) {
    return font;
  }
  t_Font expanded = font;
  if (!font.Data.empty()) expanded.Data = lzwstoredtotext(font.Data, glyphdatalimit(font));
  expanded.Format = font.Format == FontFormatGreyCompressed ? FontFormatGrey : FontFormatPlain;
  return expanded;
}

void t_WindowFont(uint8_t window, const t_Font& font) {
  if (t_Window* slot = consolewindow("t_WindowFont", window, ConsoleNeeds::InitializedSlot)) {
    slot->Font = font;
  }
}

}  // namespace vx
