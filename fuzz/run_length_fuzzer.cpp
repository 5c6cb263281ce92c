// The run-length decoders of the four element widths and the unpacking of bits
// and nibbles, with the lengths a reader would pass, and the round trips of
// the encoders' output. The first byte chooses width and operation.
#include "fuzz_support.h"

using namespace vx;

namespace {

using Bytes = std::vector<uint8_t>;
using Encoder = Bytes (*)(const Bytes&);
using Decoder = Bytes (*)(const Bytes&, int64_t);

constexpr Encoder encoders[] = {binary8torle, binary16torle, binary24torle, binary32torle};
constexpr Decoder decoders[] = {rle8tobinary, rle16tobinary, rle24tobinary, rle32tobinary};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::quiethost();
  vxfuzz::Input in(data, size);
  const uint8_t choice = in.byte();
  const int width = choice % 4;
  switch ((choice >> 2) % 4) {
    case 0: {  // a stream as a reader gets it, with the length its header gives
      // Lengths stay below 16 MiB, as a graphic's header allows: a longer
      // expected length would let a valid stream write that much.
      const auto length = static_cast<int64_t>(in.number(3) >> (in.byte() % 24));
      const Bytes decoded = decoders[width](in.rest(), length);
      vxfuzz::require(decoded.empty() || static_cast<int64_t>(decoded.size()) == length,
                      "decoded length differs from the expected one");
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
