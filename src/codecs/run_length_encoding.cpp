// The four run-length encoders: choose the marker from the candidates' counts,
// then write the runs.
#include <string>

#include "codecs/run_length.h"
#include "codecs/run_length_stream.h"
#include "runtime/conversions.h"
#include "runtime/log.h"

namespace vx {

namespace rledetail {

uint64_t appendrun(std::vector<uint8_t>& out, int width, uint32_t marker, uint32_t value,
                   uint64_t length) {
  while (length > LongestRun) {
    appendrun(out, width, marker, value, LongestRun);
    length -= LongestRun;
  }
  if (length <= LongestShortRun) {
    if (value != marker) {
      for (uint64_t i = 0; i < length; ++i) appendbigendian(out, value, width);
      return 0;
    }
    appendbigendian(out, marker, width);
    out.push_back(static_cast<uint8_t>(length));
    return length;
  }
  appendbigendian(out, marker, width);
  if (length <= LongestByteCount) {
    out.push_back(static_cast<uint8_t>(length));
  } else if (length <= 0xFFFF) {
    out.push_back(WordCount);
    appendbigendian(out, length, 2);
  } else {
    out.push_back(LongCount);
    appendbigendian(out, length, 4);
  }
  appendbigendian(out, value, width);
  return 0;
}

}  // namespace rledetail

namespace {

using rledetail::loadelement;

struct Candidate {
  uint32_t value = 0;
  uint64_t count = 0;
};

// Counts `candidate(element)` over all elements and takes the rarest, the
// lowest value winning ties.
template <typename Extract>
Candidate rarest(const std::vector<uint8_t>& data, int width, size_t candidates,
                 Extract candidate) {
  std::vector<uint64_t> counts(candidates, 0);
  for (size_t at = 0; at + static_cast<size_t>(width) <= data.size(); at += width)
    ++counts[candidate(&data[at])];
  Candidate best{0, counts[0]};
  for (size_t v = 1; v < candidates; ++v)
    if (counts[v] < best.count) best = {static_cast<uint32_t>(v), counts[v]};
  return best;
}

// Writes the marker and every run; `shortmarkerrun` hears of each run of the
// marker that was written short. The width is a constant here so that the
// per-element work unrolls.
template <int Width, typename Report>
std::vector<uint8_t> encoderuns(const std::vector<uint8_t>& data, uint32_t marker,
                                Report shortmarkerrun) {
  std::vector<uint8_t> out;
  out.reserve(data.size() + data.size() / 8 + 16);
  rledetail::appendbigendian(out, marker, Width);
  const size_t elements = data.size() / Width;
  uint32_t value = loadelement(&data[0], Width);
  uint64_t length = 1;
  auto flush = [&] {
    if (length == 1 && value != marker) {  // by far the most common item
      rledetail::appendbigendian(out, value, Width);
      return;
    }
    const uint64_t written = rledetail::appendrun(out, Width, marker, value, length);
    if (written != 0) shortmarkerrun(written);
  };
  for (size_t i = 1; i < elements; ++i) {
    const uint32_t next = loadelement(&data[i * Width], Width);
    if (next == value) {
      ++length;
      continue;
    }
    flush();
    value = next;
    length = 1;
  }
  flush();
  return out;
}

auto reportappended(const char* routine) {
  return [routine](uint64_t n) {
    log(std::string(routine) + ": " + std::to_string(n) + " elements appended.");
  };
}

std::string hexdigits(uint64_t value) {
  const std::vector<uint8_t> digits = uint16tohexbinary(value);
  return std::string(digits.begin(), digits.end());
}

}  // namespace

bool rleencodes(int64_t length, int64_t width) {
  return width > 0 && length >= 4 * width && length % width == 0;
}

std::vector<uint8_t> binary8torle(const std::vector<uint8_t>& data) {
  if (!rleencodes(static_cast<int64_t>(data.size()), 1)) return data;
  const Candidate marker = rarest(data, 1, 256, [](const uint8_t* p) { return p[0]; });
  return encoderuns<1>(data, marker.value, [](uint64_t) {});
}

std::vector<uint8_t> binary16torle(const std::vector<uint8_t>& data) {
  if (!rleencodes(static_cast<int64_t>(data.size()), 2)) return data;
  const Candidate marker =
      rarest(data, 2, 65536, [](const uint8_t* p) { return loadelement(p, 2); });
  log("binary16torle: " + std::to_string(marker.count) + " elements found: " +
      std::to_string(marker.value) + ".");
  return encoderuns<2>(data, marker.value, reportappended("binary16torle"));
}

std::vector<uint8_t> binary24torle(const std::vector<uint8_t>& data) {
  log("binary24torle: Size " + std::to_string(data.size()) + " bytes.");
  if (!rleencodes(static_cast<int64_t>(data.size()), 3)) return data;
  const Candidate prefix =
      rarest(data, 3, 65536, [](const uint8_t* p) { return loadelement(p, 2); });
  log("binary24torle: " + std::to_string(prefix.count) + " elements found: $" +
      hexdigits(prefix.value) + ".");
  return encoderuns<3>(data, (prefix.value << 8) | 0x55, reportappended("binary24torle"));
}

std::vector<uint8_t> binary32torle(const std::vector<uint8_t>& data) {
  if (!rleencodes(static_cast<int64_t>(data.size()), 4)) return data;
  const Candidate prefix =
      rarest(data, 4, 65536, [](const uint8_t* p) { return loadelement(p + 1, 2); });
  log("binary32torle: " + std::to_string(prefix.count) + " elements found: $" +
      std::to_string(prefix.value) + ".");
  return encoderuns<4>(data, 0x55000055u | (prefix.value << 8), reportappended("binary32torle"));
}

}  // namespace vx
