// The decoder. Every string the dictionary holds has already appeared in the
// output: the code defined at step k is the string decoded at step k - 1 plus
// one more byte, and that byte begins the string of step k. So an entry is just
// a place in the output, and decoding a code copies bytes from there.
#include <cstring>
#include <string>

#include "codecs/lzw.h"
#include "runtime/conversions.h"
#include "runtime/log.h"

namespace vx {
namespace {

enum class Step { Decoded, InvalidCode, TooLong };

class TextBuilder {
 public:
  TextBuilder(size_t codecount, int64_t limit) : limit_(limit) { starts_.reserve(codecount); }

  Step begin(uint8_t byte) {
    if (limit_ < 1) return Step::TooLong;
    starts_.push_back(0);
    out_.push_back(byte);
    return Step::Decoded;
  }

  // Decodes the code of step `step` (1, 2, ...).
  Step add(size_t step, int64_t code) {
    const size_t position = out_.size();
    const size_t previous = starts_[step - 1];
    size_t from = 0;
    size_t length = 0;
    const int64_t defining = 255 + static_cast<int64_t>(step);
    if (code >= 0 && code < 256) {
      length = 1;
    } else if (code >= 256 && code < defining) {
      // Defined at step j < step: the string of step j - 1 plus one byte.
      const size_t j = static_cast<size_t>(code - 255);
      from = starts_[j - 1];
      length = starts_[j] - from + 1;
    } else if (code == defining) {
      // The entry being defined: the previous string plus its own first byte.
      from = previous;
      length = position - previous + 1;
    } else {
      return Step::InvalidCode;
    }
    if (length > static_cast<uint64_t>(limit_) - position) return Step::TooLong;
    starts_.push_back(position);
    if (code < 256) {
      out_.push_back(static_cast<uint8_t>(code));
    } else {
      // All but the last byte lie before the current end; the last one may be
      // the first byte just copied.
      out_.resize(position + length);
      std::memcpy(out_.data() + position, out_.data() + from, length - 1);
      out_[position + length - 1] = out_[from + length - 1];
    }
    return Step::Decoded;
  }

  std::vector<uint8_t> take() { return std::move(out_); }

 private:
  int64_t limit_;
  std::vector<uint8_t> out_;
  std::vector<size_t> starts_;  // where the string of each step begins
};

bool reported(Step step, const std::vector<int64_t>& codes, size_t index, int64_t limit) {
  if (step == Step::Decoded) return false;
  if (step == Step::TooLong) {
    log("lzwunpackedtotext: Text longer than " + inttostring(limit, 32, 1, true) + " Bytes.");
  } else {
    log("lzwunpackedtotext: Invalid code " + std::to_string(codes[index]) + " at position " +
        std::to_string(index) + ".");
  }
  return true;
}

}  // namespace

std::vector<uint8_t> lzwunpackedtotext(const std::vector<int64_t>& codes, int64_t limit) {
  if (codes.empty()) return {};
  TextBuilder text(codes.size(), limit);
  if (reported(text.begin(static_cast<uint8_t>(codes[0] & 0xFF)), codes, 0, limit)) return {};
  for (size_t step = 1; step < codes.size(); ++step)
    if (reported(text.add(step, codes[step]), codes, step, limit)) return {};
  return text.take();
}

}  // namespace vx
