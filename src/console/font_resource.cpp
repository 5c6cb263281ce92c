#include "console/font_resource.h"

#include <algorithm>

#include "codecs/file_access.h"
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

// Whether a font name names a file inside the resource directory: not empty,
// not absolute, and no ".." component that climbs out of it.
bool staysinside(const std::string& name) {
  if (name.empty() || name.front() == '/') return false;
  size_t start = 0;
  while (start <= name.size()) {
    const size_t slash = std::min(name.find('/', start), name.size());
    if (name.compare(start, slash - start, "..") == 0) return false;
    start = slash + 1;
  }
  return true;
}

// The whole file, or nothing when it cannot be read: the caller logs the one
// line. A folder, device or pipe is not read, nor a file larger than any font.
std::vector<uint8_t> readwholefile(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::string problem;
  bool toolarge = false;
  if (!readregularfile(path, FontFileLimit, bytes, problem, toolarge)) return {};
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
  std::vector<uint8_t> bytes;
  if (staysinside(name)) bytes = readwholefile(resourcedirectory() + "/" + name);
  return t_ExpandFont(fontfromfilebytes(bytes, name));
}

t_Font t_ExpandFont(const t_Font& font) {
  if (font.Format != FontFormatGreyCompressed && font.Format != FontFormatPlainCompressed) {
    return font;
  }
  t_Font expanded = font;
  if (!font.Data.empty()) {
    Decoded text = lzwstoredprefix(font.Data, FontDataLimit);
    if (!text.ok()) log(std::string(text.Routine) + ": " + text.Detail);
    expanded.Data = std::move(text.Bytes);
  }
  expanded.Format = font.Format == FontFormatGreyCompressed ? FontFormatGrey : FontFormatPlain;
  return expanded;
}

void t_WindowFont(uint8_t window, const t_Font& font) {
  if (t_Window* slot = consolewindow("t_WindowFont", window, ConsoleNeeds::InitializedSlot)) {
    slot->Font = font;
  }
}

}  // namespace vx
