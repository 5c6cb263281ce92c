// The four run-length decoders. They read only what the stream holds and
// write only up to the length the caller expects, so no count, however large,
// can make them overrun or allocate without bound.
#include <algorithm>
#include <string>

#include "codecs/run_length.h"
#include "codecs/run_length_stream.h"
#include "runtime/log.h"

namespace vx {
namespace {

class RunReader {
 public:
  RunReader(const std::vector<uint8_t>& stream, int width, uint64_t length)
      : in_(stream), width_(width), length_(length) {
    // A length from a damaged header may be far beyond what the stream gives,
    // so only a moderate part is reserved ahead.
    out_.reserve(std::min<uint64_t>(length, uint64_t{1} << 26));
  }

  // Empty text when the stream decodes cleanly, else what went wrong.
  std::string decode() {
    uint32_t marker = 0;
    if (!element(marker)) return "Data is cut short.";
    while (at_ < in_.size()) {
      uint32_t value = 0;
      if (!element(value)) return "Data is cut short.";
      std::string problem = value == marker ? markeditem(marker) : repeat(value, 1);
      if (!problem.empty()) return problem;
    }
    if (out_.size() != length_)
      return "Data gives " + std::to_string(out_.size()) + " bytes instead of " +
             std::to_string(length_) + ".";
    return {};
  }

  std::vector<uint8_t> take() { return std::move(out_); }

 private:
  std::string markeditem(uint32_t marker) {
    uint64_t count = 0;
    if (!number(1, count)) return "Data is cut short.";
    if (count >= 1 && count <= rledetail::LongestShortRun) return repeat(marker, count);
    if (count == rledetail::WordCount) {
      if (!number(2, count)) return "Data is cut short.";
    } else if (count == rledetail::LongCount) {
      if (!number(4, count)) return "Data is cut short.";
    } else if (count < 4 || count > rledetail::LongestByteCount) {
      return "Invalid count " + std::to_string(count) + " after the marker.";
    }
    uint32_t value = 0;
    if (!element(value)) return "Data is cut short.";
    return repeat(value, count);
  }

  std::string repeat(uint32_t value, uint64_t count) {
    if (count > (length_ - out_.size()) / static_cast<uint64_t>(width_))
      return "Data gives more than " + std::to_string(length_) + " bytes.";
    for (uint64_t i = 0; i < count; ++i) rledetail::appendbigendian(out_, value, width_);
    return {};
  }

  bool number(int bytes, uint64_t& value) {
    if (in_.size() - at_ < static_cast<size_t>(bytes)) return false;
    value = rledetail::loadelement(&in_[at_], bytes);
    at_ += static_cast<size_t>(bytes);
    return true;
  }

  bool element(uint32_t& value) {
    uint64_t wide = 0;
    if (!number(width_, wide)) return false;
    value = static_cast<uint32_t>(wide);
    return true;
  }

  const std::vector<uint8_t>& in_;
  int width_;
  uint64_t length_;
  size_t at_ = 0;
  std::vector<uint8_t> out_;
};

std::vector<uint8_t> decodewith(const char* routine, const std::vector<uint8_t>& stream,
                                int width, int64_t length) {
  const auto complain = [routine](const std::string& problem) {
    log(std::string(routine) + ": " + problem);
    return std::vector<uint8_t>{};
  };
  if (length < 0) return complain("Length " + std::to_string(length) + " is negative.");
  if (!rleencodes(length, width)) {
    // The encoder left such data as it was.
    if (stream.size() == static_cast<uint64_t>(length)) return stream;
    return complain("Data of " + std::to_string(stream.size()) + " bytes instead of " +
                    std::to_string(length) + ".");
  }
  RunReader reader(stream, width, static_cast<uint64_t>(length));
  const std::string problem = reader.decode();
  if (!problem.empty()) return complain(problem);
  return reader.take();
}

}  // namespace

std::vector<uint8_t> rle8tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return decodewith("rle8tobinary", stream, 1, length);
}

std::vector<uint8_t> rle16tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return decodewith("rle16tobinary", stream, 2, length);
}

std::vector<uint8_t> rle24tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return decodewith("rle24tobinary", stream, 3, length);
}

std::vector<uint8_t> rle32tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return decodewith("rle32tobinary", stream, 4, length);
}

}  // namespace vx
