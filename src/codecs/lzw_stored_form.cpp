// The stored form: the code width in one byte, then the packed codes.
#include "codecs/lzw.h"
#include "codecs/lzw_internal.h"

namespace vx {

std::vector<uint8_t> texttolzwstored(const std::vector<uint8_t>& data) {
  if (data.empty()) return {};
  std::vector<uint8_t> stored;
  if (data.size() < lzwdetail::PackedInputLimit) {
    // Codes of 32 bits take half the memory on the way.
    std::vector<uint32_t> codes;
    const int64_t width = lzwdetail::encodeshort(data, codes);
    stored.push_back(static_cast<uint8_t>(width));
    lzwdetail::packcodes(codes.data(), codes.size(), width, stored);
  } else {
    const LZWCodes encoded = texttolzwunpacked(data);
    stored.push_back(static_cast<uint8_t>(encoded.Width));
    lzwdetail::packcodes(encoded.Codes.data(), encoded.Codes.size(), encoded.Width, stored);
  }
  return stored;
}

std::vector<uint8_t> lzwstoredtotext(const std::vector<uint8_t>& stored, int64_t limit) {
  if (stored.empty()) return {};
  const std::vector<uint8_t> packed(stored.begin() + 1, stored.end());
  return lzwunpackedtotext(lzwpackedtounpacked(packed, stored[0]), limit);
}

}  // namespace vx
