// The conversions from byte arrays and strings, with numbers (positions,
// widths, counts, decimals) that are often at the extremes.
#include <cstring>

#include "fuzz_support.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vxfuzz::Input in(data, size);
  const int64_t a = in.anyint(), b = in.anyint(), c = in.anyint();
  const uint8_t flags = in.byte();
  double real = 0;
  const uint64_t bits = in.number(8);
  std::memcpy(&real, &bits, sizeof real);
  const std::vector<uint8_t> bytes = in.rest();
  const std::string text = in.reststring();
  const size_t half = text.size() / 2;
  const std::string left = text.substr(0, half), right = text.substr(half);

  binarytoint(bytes);
  binarytostring(bytes);
  stringtobinary(text);
  inttostring(a, b, c % 40000, flags & 1);
  doubletostring(real);
  const std::string fixed = doubletoformattedstring(b, c, a, flags & 2, real);
  // Sign and at most 309 grouped digits, padding of at most MaxSpaces
  // characters, and at most MaxDecimals places.
  vxfuzz::require(fixed.size() <= 1000 + MaxDecimals + 4 * MaxSpaces, "formatted number too long");
  bytetohexstring(static_cast<uint64_t>(a));
  uint16tohexbinary(static_cast<uint64_t>(a));
  vxfuzz::require(uint32tohexstring(static_cast<uint64_t>(b)).size() == 8, "hex text not 8 digits");
  for (const int64_t offset : {a, static_cast<int64_t>(bytes.size()) - (b & 7)}) {
    const int64_t word = readuint32be(bytes, offset);
    vxfuzz::require(word >= 0 && word <= 0xFFFFFFFF, "word beyond 32 bits");
  }

  charinstring(text, a);
  rightfromstring(text, a);
  midstring(text, a, b);
  instring(left, right, a);
  const std::string unit = left.substr(0, 8);
  vxfuzz::require(repeatstring(unit, b % 40000).size() <= unit.size() * MaxSpaces,
                  "repeated text too long");
  spacestring(c);
  const std::string padded = padbetween(left, right, a);
  vxfuzz::require(padded.size() <= text.size() + MaxSpaces, "padded text too long");
  firstlineofstring(text);
  firstscalar(text);
  lowercasescalar(a);
  scalarstoutf8(utf8toscalars(text));
  return 0;
}
