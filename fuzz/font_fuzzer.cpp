// Font files as the loader meets them: the input is written as a font file
// into the resource folder, loaded by a text window's set-up (header, type
// code, t_ExpandFont for the compressed formats), and the window then prints
// with it.
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

// How many bytes the LZW codes in `stored` stand for, counted without
// decoding them; -1 when a code is invalid.
int64_t expandedsize(const std::vector<uint8_t>& stored) {
  if (stored.empty()) return 0;
  const std::vector<int64_t> codes = lzwpackedtounpacked({stored.begin() + 1, stored.end()}, stored[0]);
  if (codes.empty()) return 0;
  std::vector<int64_t> lengths(256, 1);  // of each dictionary entry
  int64_t previous = 1, total = 1;
  for (size_t k = 1; k < codes.size(); ++k) {
    const int64_t code = codes[k];
    const auto defined = static_cast<int64_t>(lengths.size());
    if (code < 0 || code > defined) return -1;
    const int64_t length = code < defined ? lengths[static_cast<size_t>(code)] : previous + 1;
    total += length;
    lengths.push_back(previous + 1);
    previous = length;
  }
  return total;
}

// Until the loader bounds a compressed font's expansion by its header (the
// ".gr" reader work does), a crafted font can expand to a gigabyte; such files
// are left out here so that the run looks at everything else.
bool expandswithinheader(const uint8_t* data, size_t size) {
  if (size < 16 || (data[5] != FontFormatPlainCompressed && data[5] != FontFormatGreyCompressed))
    return true;
  const size_t header = data[0];
  if (header >= size) return true;
  return expandedsize({data + header, data + size}) <= int64_t{256} * data[12] * data[13];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path file = resourcefolder() / "fuzz.font";
  if (!expandswithinheader(data, size)) return 0;
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  // A small window of each kind: 1 bit and 24 bits.
  const int64_t depth = size % 2 == 0 ? 1 : 24;
  t_InitWindow(0, depth, 3, 2, 0, "fuzz.font");
  const t_Window& w = WindowTable[0];
  if (!w.Initialized || w.TextMemoryStart < 0) return 0;
  // Every code that the font holds at its ends, and a few of the file's bytes.
  for (const int code : {int{w.Font.Start}, int{w.Font.End}, 0, 255})
    t_PrintSymbol(0, static_cast<uint8_t>(code), 0xF0, 1, 1);
  std::vector<uint8_t> text(data + size - std::min<size_t>(size, 8), data + size);
  t_Print(0, Text{std::move(text)});
  return 0;
}
