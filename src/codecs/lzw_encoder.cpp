// The encoder: one pass over the input, extending the current string while the
// dictionary knows it and emitting its code when it does not.
#include <algorithm>
#include <bit>
#include <chrono>
#include <string>

#include "codecs/lzw.h"
#include "codecs/lzw_dictionary.h"
#include "runtime/conversions.h"
#include "runtime/log.h"

namespace vx {
namespace {

// Progress is looked at once per this many input bytes.
constexpr size_t ProgressStep = 0x80000;

class ProgressReport {
 public:
  explicit ProgressReport(size_t length) : length_(length), last_(Clock::now()) {}

  // Called before the byte at `position` is read, at multiples of ProgressStep.
  void at(size_t position) {
    const auto now = Clock::now();
    if (now - last_ <= std::chrono::milliseconds(1000)) return;
    last_ = now;
    const auto percent = static_cast<int64_t>(static_cast<double>(position) /
                                              static_cast<double>(length_) * 100.0);
    log("texttolzwunpacked: " + std::to_string(percent) + "% of " +
        inttostring(static_cast<int64_t>(length_), 32, 1, true) + " Bytes.");
  }

 private:
  using Clock = std::chrono::steady_clock;
  size_t length_;
  Clock::time_point last_;
};

int64_t widthfor(uint64_t largestcode) {
  return std::max<int64_t>(8, std::bit_width(largestcode));
}

template <typename Slots>
LZWCodes encode(const std::vector<uint8_t>& data) {
  LZWCodes result;
  const size_t length = data.size();
  if (length == 0) return result;
  lzwdetail::Dictionary<Slots> dictionary;
  ProgressReport progress(length);
  std::vector<int64_t>& codes = result.Codes;
  codes.reserve(length / 4 + 16);
  uint64_t nextcode = 256;
  uint64_t largest = 0;
  progress.at(0);
  uint64_t current = data[0];
  size_t position = 1;
  while (position < length) {
    if (position % ProgressStep == 0) progress.at(position);
    const size_t stop = std::min(length, (position / ProgressStep + 1) * ProgressStep);
    for (; position < stop; ++position) {
      const uint8_t byte = data[position];
      const uint64_t known = dictionary.findoradd(current, byte, nextcode);
      if (known != 0) {
        current = known;
        continue;
      }
      codes.push_back(static_cast<int64_t>(current));
      largest = std::max(largest, current);
      ++nextcode;
      current = byte;
    }
  }
  codes.push_back(static_cast<int64_t>(current));
  largest = std::max(largest, current);
  result.Width = widthfor(largest);
  return result;
}

}  // namespace

LZWCodes texttolzwunpacked(const std::vector<uint8_t>& data) {
  if (data.size() < lzwdetail::PackedInputLimit) return encode<lzwdetail::PackedSlots>(data);
  return encode<lzwdetail::WideSlots>(data);
}

}  // namespace vx
