// LZW: the stored form and packed codes as a reader meets them, and the round
// trips of the encoder's output. The first byte chooses what is done with the
// rest.
#include "fuzz_support.h"

using namespace vx;

namespace {

// What a reader allows at most: a font's glyph data (256 glyphs of 255 x 255).
constexpr int64_t ReaderLimit = 256 * 255 * 255;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::quiethost();
  vxfuzz::Input in(data, size);
  const uint8_t choice = in.byte();
  switch (choice % 3) {
    case 0: {  // the stored form: width byte and packed codes
      const std::vector<uint8_t> text = lzwstoredtotext(in.rest(), ReaderLimit);
      vxfuzz::require(static_cast<int64_t>(text.size()) <= ReaderLimit, "text beyond the limit");
      break;
    }
    case 1: {  // packed codes of any width, then decoded
      const int64_t width = static_cast<int64_t>(in.byte() % 72) - 4;
      const std::vector<uint8_t> packed = in.rest();
      const std::vector<int64_t> codes = lzwpackedtounpacked(packed, width);
      if (width >= 1 && width <= 64)
        vxfuzz::require(codes.size() == packed.size() * 8 / static_cast<size_t>(width),
                        "not every whole code was read");
      lzwunpackedtotext(codes, ReaderLimit);
      break;
    }
    default: {  // round trips of the encoder's output
      const std::vector<uint8_t> text = in.rest();
      vxfuzz::require(lzwstoredtotext(texttolzwstored(text)) == text, "stored form lost the text");
      const LZWCodes codes = texttolzwunpacked(text);
      const std::vector<uint8_t> packed = lzwunpackedtopacked(codes.Codes, codes.Width);
      vxfuzz::require(lzwpackedtounpacked(packed, codes.Width) == codes.Codes,
                      "packing lost codes");
      break;
    }
  }
  return 0;
}
