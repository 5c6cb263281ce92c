#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "codecs/run_length.h"
#include "codecs/run_length_stream.h"
#include "sample_data.h"
#include "support/test_support.h"

using namespace vx;
using codectest::Bytes;

namespace {

using Encoder = std::function<Bytes(const Bytes&)>;
using Decoder = std::function<Bytes(const Bytes&, int64_t)>;

struct Codec {
  int width;
  Encoder encode;
  Decoder decode;
};

const Codec codecs[] = {{1, binary8torle, rle8tobinary},
                        {2, binary16torle, rle16tobinary},
                        {3, binary24torle, rle24tobinary},
                        {4, binary32torle, rle32tobinary}};

Bytes repeated(const Bytes& element, size_t times) {
  Bytes out;
  for (size_t i = 0; i < times; ++i) out.insert(out.end(), element.begin(), element.end());
  return out;
}

Bytes joined(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

}  // namespace

// The marker is the rarest byte (0 when absent), then the runs; streams too
// short to gain are left as they are.
TEST(RunLength, ByteStreamsAreWrittenAsDescribed) {
  EXPECT_EQ(binary8torle({5, 5, 5, 5, 5, 5, 7, 0, 0}), (Bytes{1, 1, 6, 5, 7, 0, 0}));
  EXPECT_EQ(binary8torle({1, 2, 3}), (Bytes{1, 2, 3}));
  EXPECT_EQ(binary8torle({9, 9, 9, 9}), (Bytes{0, 0, 4, 9}));
  EXPECT_TRUE(binary8torle({}).empty());
  // Counts change form at their boundaries; each run of 7 is followed by a single 1.
  const std::pair<size_t, Bytes> cases[] = {
      {3, {7, 7, 7}}, {4, {0, 4, 7}}, {239, {0, 239, 7}}, {240, {0, 240, 0, 240, 7}},
      {65535, {0, 240, 255, 255, 7}}, {65536, {0, 241, 0, 1, 0, 0, 7}}};
  for (const auto& [length, item] : cases)
    EXPECT_EQ(binary8torle(joined({Bytes(length, 7), Bytes{1}})), joined({Bytes{0}, item, Bytes{1}})) << length;
}

TEST(RunLength, TheMarkerItselfIsWrittenWithACount) {
  // 200 occurs seven times, every other value at least eight: 200 is the marker.
  Bytes input;
  Bytes expected{200};
  for (int v = 0; v < 256; ++v) {
    if (v == 200) continue;
    input.insert(input.end(), 8, static_cast<uint8_t>(v));
    expected.insert(expected.end(), {200, 8, static_cast<uint8_t>(v)});
  }
  input.insert(input.end(), {200, 1, 200, 200, 1, 200, 200, 200, 200});
  expected.insert(expected.end(), {200, 1, 1, 200, 2, 1, 200, 4, 200});
  EXPECT_EQ(binary8torle(input), expected);
}

TEST(RunLength, WideElementsChooseTheirMarkerAndReportIt) {
  vxtest::LogCapture log;
  EXPECT_EQ(binary16torle(Bytes(7, 1)), Bytes(7, 1));
  EXPECT_EQ(log.take(), "");
  EXPECT_EQ(binary24torle(Bytes(13, 1)), Bytes(13, 1));
  EXPECT_EQ(log.take(), "binary24torle: Size 13 bytes.\n");

  EXPECT_EQ(binary24torle(repeated({1, 2, 3}, 4)), (Bytes{0, 0, 0x55, 0, 0, 0x55, 4, 1, 2, 3}));
  EXPECT_EQ(log.take(),
            "binary24torle: Size 12 bytes.\n"
            "binary24torle: 0 elements found: $0000.\n");

  EXPECT_EQ(binary32torle(repeated({0x11, 0x22, 0x33, 0x44}, 4)),
            (Bytes{0x55, 0, 0, 0x55, 0x55, 0, 0, 0x55, 4, 0x11, 0x22, 0x33, 0x44}));
  EXPECT_EQ(log.take(), "binary32torle: 0 elements found: $0.\n");
}

TEST(RunLength, WideMarkersAreTheRarestOfAll65536Candidates) {
  // 16 bits: every element occurs twice except 01 02, which occurs once.
  // 24 bits: every prefix three times except AB CD, twice: once as the marker.
  // 32 bits: every middle pair once except 12 34, never.
  Bytes pairs, triples, quads;
  for (uint32_t p = 0; p < 65536; ++p) {
    const auto hi = static_cast<uint8_t>(p >> 8), lo = static_cast<uint8_t>(p);
    pairs.insert(pairs.end(), {hi, lo});
    if (p != 0x0102) pairs.insert(pairs.end(), {hi, lo});
    if (p != 0xABCD) triples.insert(triples.end(), {hi, lo, 7, hi, lo, 7, hi, lo, 7});
    if (p != 0x1234) quads.insert(quads.end(), {9, hi, lo, 9});
  }
  triples.insert(triples.end(), {0xAB, 0xCD, 7, 0xAB, 0xCD, 0x55});
  vxtest::LogCapture log;

  const Bytes rle16 = binary16torle(pairs);
  EXPECT_EQ(Bytes(rle16.begin(), rle16.begin() + 6), (Bytes{1, 2, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(rle16.begin() + 2 + 258 * 4, rle16.begin() + 2 + 258 * 4 + 7),
            (Bytes{1, 2, 1, 1, 3, 1, 3}));
  EXPECT_EQ(log.take(),
            "binary16torle: 1 elements found: 258.\n"
            "binary16torle: 1 elements appended.\n");

  const Bytes rle24 = binary24torle(triples);
  EXPECT_EQ(Bytes(rle24.begin(), rle24.begin() + 3), (Bytes{0xAB, 0xCD, 0x55}));
  // The same prefix with another last byte is an ordinary element.
  EXPECT_EQ(Bytes(rle24.end() - 7, rle24.end()), (Bytes{0xAB, 0xCD, 7, 0xAB, 0xCD, 0x55, 1}));
  EXPECT_EQ(log.take(),
            "binary24torle: Size 589821 bytes.\n"
            "binary24torle: 2 elements found: $ABCD.\n"
            "binary24torle: 1 elements appended.\n");

  const Bytes rle32 = binary32torle(quads);
  EXPECT_EQ(Bytes(rle32.begin(), rle32.begin() + 4), (Bytes{0x55, 0x12, 0x34, 0x55}));
  EXPECT_EQ(log.take(), "binary32torle: 0 elements found: $4660.\n");

  EXPECT_EQ(rle16tobinary(rle16, static_cast<int64_t>(pairs.size())), pairs);
  EXPECT_EQ(rle24tobinary(rle24, static_cast<int64_t>(triples.size())), triples);
  EXPECT_EQ(rle32tobinary(rle32, static_cast<int64_t>(quads.size())), quads);
}

TEST(RunLength, RunsBeyondA32BitCountAreSplitNotCut) {
  Bytes out;
  const uint64_t length = (uint64_t{1} << 32) + 2;
  EXPECT_EQ(rledetail::appendrun(out, 1, 0, 7, length), 0u);
  EXPECT_EQ(out, (Bytes{0, 241, 255, 255, 255, 255, 7, 7, 7, 7}));
  out.clear();
  EXPECT_EQ(rledetail::appendrun(out, 2, 0x0102, 0x0102, length), 3u);
  EXPECT_EQ(out, (Bytes{1, 2, 241, 255, 255, 255, 255, 1, 2, 1, 2, 3}));
}

TEST(RunLength, EveryEncoderRoundTrips) {
  vxtest::LogCapture log;
  codectest::SampleData sample(21);
  for (const Codec& codec : codecs) {
    const size_t w = static_cast<size_t>(codec.width);
    std::vector<Bytes> inputs;
    for (size_t length = 0; length <= 6 * w + 1; ++length) inputs.push_back(sample.random(length, 2));
    for (size_t run : {3, 4, 5, 239, 240, 241, 65535, 65536, 65537})
      inputs.push_back(joined({sample.random(w), repeated(sample.random(w), run), sample.random(w)}));
    // Marker candidates crowd out each other: the marker occurs too.
    inputs.push_back(sample.random(3000 * w, 1));
    inputs.push_back(sample.runs(5000, codec.width, 6));
    inputs.push_back(sample.runs(3000, codec.width, 600));
    inputs.push_back(sample.random(4099 * w));
    for (const Bytes& input : inputs) {
      const Bytes stream = codec.encode(input);
      EXPECT_EQ(codec.decode(stream, static_cast<int64_t>(input.size())), input)
          << "width " << w << ", length " << input.size();
    }
  }
  EXPECT_EQ(log.take().find("tobinary"), std::string::npos);
}

TEST(RunLength, DamagedStreamsAreRefusedWithoutOverrun) {
  vxtest::LogCapture log;
  const Bytes input = joined({Bytes(300, 7), Bytes{1, 2, 0, 0}, Bytes(70000, 3)});
  const Bytes stream = binary8torle(input);
  const auto length = static_cast<int64_t>(input.size());
  for (size_t cut = 0; cut < stream.size(); ++cut)
    EXPECT_TRUE(rle8tobinary(Bytes(stream.begin(), stream.begin() + cut), length).empty());
  log.take();

  EXPECT_TRUE(rle8tobinary({0, 0, 0, 5}, 10).empty());
  EXPECT_TRUE(rle8tobinary({0, 0, 242, 5}, 10).empty());
  EXPECT_TRUE(rle8tobinary({0, 0, 241, 255, 255, 255, 255, 5}, 10).empty());
  EXPECT_TRUE(rle8tobinary({0, 0, 4, 5}, 10).empty());
  EXPECT_TRUE(rle16tobinary({1, 2}, 5).empty());
  EXPECT_TRUE(rle8tobinary({1, 2}, -1).empty());
  EXPECT_EQ(log.take(),
            "rle8tobinary: Invalid count 0 after the marker.\n"
            "rle8tobinary: Invalid count 242 after the marker.\n"
            "rle8tobinary: Data gives more than 10 bytes.\n"
            "rle8tobinary: Data gives 4 bytes instead of 10.\n"
            "rle16tobinary: Data of 2 bytes instead of 5.\n"
            "rle8tobinary: Length -1 is negative.\n");

  // Arbitrary bytes: each answer is empty or exactly as long as asked.
  codectest::SampleData sample(22);
  for (const Codec& codec : codecs) {
    for (int trial = 0; trial < 300; ++trial) {
      const Bytes noise = sample.random(1 + sample.below(60), 3);
      const auto want = static_cast<int64_t>(sample.below(400));
      const Bytes decoded = codec.decode(noise, want);
      EXPECT_TRUE(decoded.empty() || static_cast<int64_t>(decoded.size()) == want);
    }
  }
}
