// The stored form: the code width in one byte, then the packed codes.
#include <algorithm>
#include <string>

#include "codecs/lzw.h"
#include "codecs/lzw_internal.h"
#include "runtime/conversions.h"
#include "runtime/log.h"

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

Decoded lzwstoreddecoded(const std::vector<uint8_t>& stored, int64_t limit, int64_t exact) {
  if (stored.empty()) return lzwdecoded({}, limit, exact);
  const int64_t width = stored[0];
  if (width < 1 || width > 64)
    return {{}, DecodeProblem::Invalid, "lzwpackedtounpacked",
            "Code width " + std::to_string(width) + " is not between 1 and 64."};
  // Every code stands for at least one byte: more codes than the limit allows
  // are refused before they are unpacked, so that their list stays in bounds.
  const uint64_t codecount = (stored.size() - 1) * 8 / static_cast<uint64_t>(width);
  if (limit < 0 || codecount > static_cast<uint64_t>(limit))
    return {{}, DecodeProblem::PastEnd, "lzwunpackedtotext",
            "Text longer than " + inttostring(std::max<int64_t>(limit, 0), 32, 1, true) + " Bytes."};
  const std::vector<uint8_t> packed(stored.begin() + 1, stored.end());
  return lzwdecoded(lzwpackedtounpacked(packed, width), limit, exact);
}

Decoded lzwstoredprefix(const std::vector<uint8_t>& stored, int64_t limit) {
  if (stored.empty() || limit <= 0) return {};
  const int64_t width = stored[0];
  if (width < 1 || width > 64)
    return {{}, DecodeProblem::Invalid, "lzwpackedtounpacked",
            "Code width " + std::to_string(width) + " is not between 1 and 64."};
  // Every code stands for at least one byte, so the codes past the first
  // `limit` cannot reach into the prefix: only those are unpacked.
  const uint64_t codecount =
      std::min<uint64_t>((stored.size() - 1) * 8 / static_cast<uint64_t>(width), static_cast<uint64_t>(limit));
  const uint64_t packedbytes = (codecount * static_cast<uint64_t>(width) + 7) / 8;
  const std::vector<uint8_t> packed(stored.begin() + 1, stored.begin() + 1 + static_cast<std::ptrdiff_t>(packedbytes));
  return lzwprefixdecoded(lzwpackedtounpacked(packed, width), limit);
}

std::vector<uint8_t> lzwstoredtotext(const std::vector<uint8_t>& stored, int64_t limit) {
  Decoded decoded = lzwstoreddecoded(stored, limit);
  if (!decoded.ok()) log(std::string(decoded.Routine) + ": " + decoded.Detail);
  return std::move(decoded.Bytes);
}

}  // namespace vx
