// The four run-length decoders. A stream is read twice: the first pass checks
// every item and adds up the runs, the second writes them. So nothing is
// written, and nothing beyond the expected length is allocated, unless the
// whole stream is sound and gives exactly that length; a count, however large,
// can neither overrun the output nor make the decoder write before refusing.
#include <string>

#include "codecs/run_length.h"
#include "codecs/run_length_stream.h"
#include "runtime/log.h"

namespace vx {
namespace {

// Reads the items of a stream one run at a time.
class RunWalker {
 public:
  RunWalker(std::span<const uint8_t> stream, int width) : in_(stream), width_(width) {
    if (!element(marker_)) fail(DecodeProblem::CutShort, "Data is cut short.");
  }

  // The next run; false at the end of the stream or at a problem.
  bool next(uint32_t& value, uint64_t& count) {
    if (problem_ != DecodeProblem::None || at_ == in_.size()) return false;
    if (!element(value)) return fail(DecodeProblem::CutShort, "Data is cut short.");
    count = 1;
    return value != marker_ || markeditem(value, count);
  }

  DecodeProblem problem() const { return problem_; }
  const std::string& detail() const { return detail_; }

 private:
  bool markeditem(uint32_t& value, uint64_t& count) {
    if (!number(1, count)) return fail(DecodeProblem::CutShort, "Data is cut short.");
    if (count >= 1 && count <= rledetail::LongestShortRun) return true;  // copies of the marker
    if (count == rledetail::WordCount) {
      if (!number(2, count)) return fail(DecodeProblem::CutShort, "Data is cut short.");
    } else if (count == rledetail::LongCount) {
      if (!number(4, count)) return fail(DecodeProblem::CutShort, "Data is cut short.");
    } else if (count < 4 || count > rledetail::LongestByteCount) {
      return fail(DecodeProblem::Invalid, "Invalid count " + std::to_string(count) + " after the marker.");
    }
    if (!element(value)) return fail(DecodeProblem::CutShort, "Data is cut short.");
    return true;
  }

  bool fail(DecodeProblem problem, std::string detail) {
    problem_ = problem;
    detail_ = std::move(detail);
    return false;
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

  std::span<const uint8_t> in_;
  int width_;
  size_t at_ = 0;
  uint32_t marker_ = 0;
  DecodeProblem problem_ = DecodeProblem::None;
  std::string detail_;
};

Decoded refused(const char* routine, DecodeProblem problem, std::string detail) {
  return {{}, problem, routine, std::move(detail)};
}

// First pass: every item sound and the runs adding up to `length` bytes.
Decoded checkruns(const char* routine, std::span<const uint8_t> stream, int width, uint64_t length) {
  RunWalker walker(stream, width);
  uint64_t total = 0;
  uint32_t value = 0;
  uint64_t count = 0;
  while (walker.next(value, count)) {
    if (count > (length - total) / static_cast<uint64_t>(width))
      return refused(routine, DecodeProblem::PastEnd, "Data gives more than " + std::to_string(length) + " bytes.");
    total += count * static_cast<uint64_t>(width);
  }
  if (walker.problem() != DecodeProblem::None) return refused(routine, walker.problem(), walker.detail());
  if (total != length)
    return refused(routine, DecodeProblem::ShortOfEnd,
                   "Data gives " + std::to_string(total) + " bytes instead of " + std::to_string(length) + ".");
  return {};
}

std::vector<uint8_t> writeruns(std::span<const uint8_t> stream, int width, uint64_t length,
                               std::vector<uint8_t> out) {
  out.reserve(out.size() + length);
  RunWalker walker(stream, width);
  uint32_t value = 0;
  uint64_t count = 0;
  while (walker.next(value, count))
    for (uint64_t i = 0; i < count; ++i) rledetail::appendbigendian(out, value, width);
  return out;
}

std::vector<uint8_t> logged(Decoded decoded) {
  if (!decoded.ok()) log(std::string(decoded.Routine) + ": " + decoded.Detail);
  return std::move(decoded.Bytes);
}

const char* routinename(int width) {
  switch (width) {
    case 1: return "rle8tobinary";
    case 2: return "rle16tobinary";
    case 3: return "rle24tobinary";
    default: return "rle32tobinary";
  }
}

}  // namespace

Decoded runlengthdecoded(std::span<const uint8_t> stream, int width, int64_t length, std::vector<uint8_t> prefix) {
  const char* routine = routinename(width);
  if (width < 1 || width > 4)
    return refused(routine, DecodeProblem::Invalid, "Element width " + std::to_string(width) + " is not 1 to 4.");
  if (length < 0)
    return refused(routine, DecodeProblem::Invalid, "Length " + std::to_string(length) + " is negative.");
  if (!rleencodes(length, width)) {
    // The encoder left such data as it was.
    if (stream.size() == static_cast<uint64_t>(length)) {
      prefix.insert(prefix.end(), stream.begin(), stream.end());
      return {std::move(prefix), DecodeProblem::None, routine, {}};
    }
    return refused(routine, stream.size() < static_cast<uint64_t>(length) ? DecodeProblem::CutShort : DecodeProblem::PastEnd,
                   "Data of " + std::to_string(stream.size()) + " bytes instead of " + std::to_string(length) + ".");
  }
  Decoded checked = checkruns(routine, stream, width, static_cast<uint64_t>(length));
  if (!checked.ok()) return checked;
  return {writeruns(stream, width, static_cast<uint64_t>(length), std::move(prefix)), DecodeProblem::None, routine, {}};
}

Decoded runlengthdecoded(const std::vector<uint8_t>& stream, int width, int64_t length) {
  return runlengthdecoded(std::span<const uint8_t>(stream), width, length, {});
}

std::vector<uint8_t> rle8tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return logged(runlengthdecoded(stream, 1, length));
}

std::vector<uint8_t> rle16tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return logged(runlengthdecoded(stream, 2, length));
}

std::vector<uint8_t> rle24tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return logged(runlengthdecoded(stream, 3, length));
}

std::vector<uint8_t> rle32tobinary(const std::vector<uint8_t>& stream, int64_t length) {
  return logged(runlengthdecoded(stream, 4, length));
}

}  // namespace vx
