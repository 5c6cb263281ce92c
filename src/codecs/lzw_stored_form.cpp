// The stored form: the code width in one byte, then the packed codes.
#include "codecs/lzw.h"

namespace vx {

std::vector<uint8_t> texttolzwstored(const std::vector<uint8_t>& data) {
  if (data.empty()) return {};
  const LZWCodes encoded = texttolzwunpacked(data);
  std::vector<uint8_t> stored = lzwunpackedtopacked(encoded.Codes, encoded.Width);
  stored.insert(stored.begin(), static_cast<uint8_t>(encoded.Width));
  return stored;
}

std::vector<uint8_t> lzwstoredtotext(const std::vector<uint8_t>& stored, int64_t limit) {
  if (stored.empty()) return {};
  const std::vector<uint8_t> packed(stored.begin() + 1, stored.end());
  return lzwunpackedtotext(lzwpackedtounpacked(packed, stored[0]), limit);
}

}  // namespace vx
