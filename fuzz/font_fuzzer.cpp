// Font files as the loader meets them: the input is written as a font file
// into the resource folder, loaded by a text window's set-up (header, type
// code, t_ExpandFont for the compressed formats), and the window then prints
// with it. A compressed font must expand to no more glyph data than
// FontDataLimit, which holds the glyphs of any font: the loader stops there
// while decoding, so no input is left out.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz_support.h"

using namespace vx;

namespace {

const std::filesystem::path& resourcefolder() {
  static const std::filesystem::path folder = [] {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vxfuzz-font-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    vxfuzz::quiethost().setresourcedirectory(path.string());
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(resourcefolder(), ignored);
    });
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path file = resourcefolder() / "fuzz.font";
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  // A small window of each kind: 1 bit and 24 bits.
  const int64_t depth = size % 2 == 0 ? 1 : 24;
  // The window's font is this file's, or none when the file is refused.
  WindowTable[0].Font = t_Font{};
  t_InitWindow(0, depth, 3, 2, 0, "fuzz.font");
  const t_Window& w = WindowTable[0];
  if (!w.Initialized || w.TextMemoryStart < 0) return 0;
  const bool compressed = size > 5 && (data[5] == FontFormatPlainCompressed || data[5] == FontFormatGreyCompressed);
  vxfuzz::require(!compressed || static_cast<int64_t>(w.Font.Data.size()) <= FontDataLimit,
                  "a compressed font expanded past the limit of glyph data");
  // Every code that the font holds at its ends, and a few of the file's bytes.
  for (const int code : {int{w.Font.Start}, int{w.Font.End}, 0, 255})
    t_PrintSymbol(0, static_cast<uint8_t>(code), 0xF0, 1, 1);
  std::vector<uint8_t> text(data + size - std::min<size_t>(size, 8), data + size);
  t_Print(0, Text{std::move(text)});
  return 0;
}
