// The decoder. Every string the dictionary holds has already appeared in the
// output: the code defined at step k is the string decoded at step k - 1 plus
// one more byte, and that byte begins the string of step k. So an entry is just
// a place in the output, and decoding a code copies bytes from there.
//
// The codes are read twice. The first pass only measures: it checks each code
// and where its string would begin, and so learns the text's length without
// writing a byte. Only a sound list within the limit is then written, into
// room made once; a few hostile codes that describe a gigabyte cost neither
// the time nor the memory to write it.
#include <cstring>
#include <string>

#include "codecs/lzw.h"
#include "runtime/conversions.h"
#include "runtime/log.h"

namespace vx {
namespace {

enum class Step { Decoded, InvalidCode, TooLong, Full };

class TextBuilder {
 public:
  // Measures only, unless `out` is given.
  // With `keepprefix`, a text that would pass the limit is cut there instead
  // of refused.
  TextBuilder(size_t codecount, int64_t limit, std::vector<uint8_t>* out, bool keepprefix = false)
      : limit_(limit), out_(out), keepprefix_(keepprefix) {
    starts_.reserve(codecount);
  }

  Step begin(uint8_t byte) {
    if (limit_ < 1) return Step::TooLong;
    starts_.push_back(0);
    length_ = 1;
    if (out_ != nullptr) out_->push_back(byte);
    return Step::Decoded;
  }

  // Decodes the code of step `step` (1, 2, ...).
  Step add(size_t step, int64_t code) {
    const uint64_t position = length_;
    const uint64_t previous = starts_[step - 1];
    uint64_t from = 0;
    uint64_t length = 0;
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
    if (length > static_cast<uint64_t>(limit_) - position) {
      if (!keepprefix_) return Step::TooLong;
      // The bytes up to the limit, all of them copies of bytes written before.
      length = static_cast<uint64_t>(limit_) - position;
      if (out_ != nullptr && length > 0) writeprefix(from, length);
      length_ = position + length;
      return Step::Full;
    }
    starts_.push_back(position);
    length_ = position + length;
    if (out_ != nullptr) write(code, from, length);
    return Step::Decoded;
  }

  uint64_t length() const { return length_; }

 private:
  void write(int64_t code, uint64_t from, uint64_t length) {
    std::vector<uint8_t>& out = *out_;
    if (code < 256) {
      out.push_back(static_cast<uint8_t>(code));
      return;
    }
    // All but the last byte lie before the current end; the last one may be
    // the first byte just copied.
    const size_t position = out.size();
    out.resize(position + length);
    std::memcpy(out.data() + position, out.data() + from, length - 1);
    out[position + length - 1] = out[from + length - 1];
  }

  // The first `length` bytes of a string longer than that: they lie wholly
  // before the current end.
  void writeprefix(uint64_t from, uint64_t length) {
    std::vector<uint8_t>& out = *out_;
    const size_t position = out.size();
    out.resize(position + length);
    std::memcpy(out.data() + position, out.data() + from, length);
  }

  int64_t limit_;
  std::vector<uint8_t>* out_;
  bool keepprefix_;
  uint64_t length_ = 0;
  std::vector<uint64_t> starts_;  // where the string of each step begins
};

Decoded refusal(Step step, const std::vector<int64_t>& codes, size_t index, int64_t limit) {
  if (step == Step::TooLong)
    return {{}, DecodeProblem::PastEnd, "lzwunpackedtotext",
            "Text longer than " + inttostring(limit, 32, 1, true) + " Bytes."};
  return {{}, DecodeProblem::Invalid, "lzwunpackedtotext",
          "Invalid code " + std::to_string(codes[index]) + " at position " + std::to_string(index) + "."};
}

// One pass over the codes; the first code's low 8 bits are its byte.
Decoded pass(const std::vector<int64_t>& codes, int64_t limit, TextBuilder& text) {
  if (const Step step = text.begin(static_cast<uint8_t>(codes[0] & 0xFF)); step != Step::Decoded)
    return refusal(step, codes, 0, limit);
  for (size_t index = 1; index < codes.size(); ++index) {
    const Step step = text.add(index, codes[index]);
    if (step == Step::Full) break;
    if (step != Step::Decoded) return refusal(step, codes, index, limit);
  }
  return {};
}

Decoded textofotherlength(uint64_t length, int64_t exact) {
  return {{}, DecodeProblem::ShortOfEnd, "lzwunpackedtotext",
          "Text of " + std::to_string(length) + " Bytes instead of " + std::to_string(exact) + "."};
}

}  // namespace

Decoded lzwdecoded(const std::vector<int64_t>& codes, int64_t limit, int64_t exact) {
  if (codes.empty()) return exact > 0 ? textofotherlength(0, exact) : Decoded{};
  TextBuilder measure(codes.size(), limit, nullptr);
  if (Decoded problem = pass(codes, limit, measure); !problem.ok()) return problem;
  if (exact >= 0 && measure.length() != static_cast<uint64_t>(exact)) return textofotherlength(measure.length(), exact);
  Decoded decoded{{}, DecodeProblem::None, "lzwunpackedtotext", {}};
  decoded.Bytes.reserve(measure.length());
  TextBuilder text(codes.size(), limit, &decoded.Bytes);
  pass(codes, limit, text);
  return decoded;
}

Decoded lzwprefixdecoded(const std::vector<int64_t>& codes, int64_t limit) {
  if (codes.empty() || limit <= 0) return {};
  TextBuilder measure(codes.size(), limit, nullptr, true);
  if (Decoded problem = pass(codes, limit, measure); !problem.ok()) return problem;
  Decoded decoded{{}, DecodeProblem::None, "lzwunpackedtotext", {}};
  decoded.Bytes.reserve(measure.length());
  TextBuilder text(codes.size(), limit, &decoded.Bytes, true);
  pass(codes, limit, text);
  return decoded;
}

std::vector<uint8_t> lzwunpackedtotext(const std::vector<int64_t>& codes, int64_t limit) {
  Decoded decoded = lzwdecoded(codes, limit);
  if (!decoded.ok()) log(std::string(decoded.Routine) + ": " + decoded.Detail);
  return std::move(decoded.Bytes);
}

}  // namespace vx
