// The run-length decoders of the four element widths and the unpacking of bits
// and nibbles, with any length a reader could pass, and the round trips of
// the encoders' output. The first byte chooses width and operation.
#include "codecs/run_length_stream.h"
#include "fuzz_support.h"

using namespace vx;

namespace {

using Bytes = std::vector<uint8_t>;
using Encoder = Bytes (*)(const Bytes&);
using Decoder = Bytes (*)(const Bytes&, int64_t);

constexpr Encoder encoders[] = {binary8torle, binary16torle, binary24torle, binary32torle};
constexpr Decoder decoders[] = {rle8tobinary, rle16tobinary, rle24tobinary, rle32tobinary};

// Sound streams are decoded in full up to this length. Beyond it a few bytes
// of runs can rightly give gigabytes; such a stream is asked for a length one
// byte off its own, which the decoder must refuse without writing.
constexpr uint64_t LargestWritten = uint64_t{16} << 20;

// The bytes a stream gives as run_length.h describes it (the decoder also
// takes any count after 240 and 241); 0 for a stream cut short or with a count
// no decoder reads.
uint64_t givenlength(const Bytes& stream, int width) {
  size_t at = 0;
  const auto take = [&](size_t bytes, uint64_t& value) {
    if (stream.size() - at < bytes) return false;
    value = rledetail::loadelement(&stream[at], static_cast<int>(bytes));
    at += bytes;
    return true;
  };
  const auto w = static_cast<size_t>(width);
  uint64_t marker = 0, value = 0, count = 0, total = 0;
  if (!take(w, marker)) return 0;
  while (at < stream.size()) {
    if (!take(w, value)) return 0;
    count = 1;
    if (value == marker) {
      uint64_t code = 0;
      if (!take(1, code)) return 0;
      count = code;
      if (code == rledetail::WordCount || code == rledetail::LongCount) {
        if (!take(code == rledetail::WordCount ? 2 : 4, count)) return 0;
      } else if (code < 1 || code > rledetail::LongestByteCount) {
        return 0;
      }
      if (code > rledetail::LongestShortRun && !take(w, value)) return 0;  // the repeated element
    }
    total += count * w;
  }
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::quiethost();
  vxfuzz::Input in(data, size);
  const uint8_t choice = in.byte();
  const int width = choice % 4;
  switch ((choice >> 2) % 4) {
    case 0: {  // a stream as a reader gets it, with any length its header could give
      auto length = static_cast<int64_t>(in.number(8));
      const Bytes stream = in.rest();
      if (length > static_cast<int64_t>(LargestWritten) && givenlength(stream, width + 1) == static_cast<uint64_t>(length))
        length += size % 2 == 0 ? 1 : -1;
      int64_t held = 0;
      const Bytes decoded = vxfuzz::heapmeasured(held, [&] { return decoders[width](stream, length); });
      vxfuzz::require(decoded.empty() || static_cast<int64_t>(decoded.size()) == length,
                      "decoded length differs from the expected one");
      // Refused streams are refused before anything is written.
      vxfuzz::require(held <= 2 * static_cast<int64_t>(stream.size() + decoded.size()) + (int64_t{16} << 10),
                      "decoding held more than the stream and its output");
      break;
    }
    case 1: {  // the encoder's output decodes to its input
      const Bytes plain = in.rest();
      const Bytes decoded = decoders[width](encoders[width](plain), static_cast<int64_t>(plain.size()));
      vxfuzz::require(decoded == plain, "run-length round trip lost bytes");
      break;
    }
    default: {  // packed rows: unpack as read, and pack then unpack
      const bool nibbles = (choice >> 2) % 4 == 3;
      const int64_t rowwidth = static_cast<int64_t>(in.number(2)) - 8;
      const auto count = static_cast<int64_t>(in.number(2));
      const Bytes packed = in.rest();
      const Bytes values = nibbles ? packednibbletobinarynibble(packed, rowwidth, count)
                                   : packedbooltobinarybool(packed, rowwidth, count);
      vxfuzz::require(values.empty() || static_cast<int64_t>(values.size()) == count,
                      "unpacked count differs");
      if (rowwidth < 1) break;
      Bytes plain = in.rest();
      plain.resize(plain.size() - plain.size() % static_cast<size_t>(rowwidth));
      for (uint8_t& value : plain) value = nibbles ? value & 15 : value != 0;
      const auto all = static_cast<int64_t>(plain.size());
      const Bytes back = nibbles ? packednibbletobinarynibble(binarynibbletopackednibble(plain, rowwidth), rowwidth, all)
                                 : packedbooltobinarybool(binarybooltopackedbool(plain, rowwidth), rowwidth, all);
      vxfuzz::require(back == plain, "packing round trip lost values");
      break;
    }
  }
  return 0;
}
