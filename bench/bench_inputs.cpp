#include "bench_inputs.h"

#include <cmath>
#include <numbers>
#include <random>

#include "codecs/packing.h"

namespace vxbench {
namespace {

constexpr int Segments = 36;

std::vector<uint8_t> starrow(int64_t y) {
  std::vector<uint8_t> row(static_cast<size_t>(PictureSide), 0);
  const double centre = static_cast<double>(PictureSide) / 2.0;
  const double radius = centre - 1.0;
  const double wedge = 2.0 * std::numbers::pi / Segments;
  const double dy = static_cast<double>(y) + 0.5 - centre;
  for (int64_t x = 0; x < PictureSide; ++x) {
    const double dx = static_cast<double>(x) + 0.5 - centre;
    if (dx * dx + dy * dy > radius * radius) continue;
    const double angle = std::atan2(dy, dx) + std::numbers::pi;
    row[static_cast<size_t>(x)] = static_cast<int>(angle / wedge) % 2 == 0 ? 1 : 0;
  }
  return row;
}

std::vector<uint8_t> makestar() {
  std::vector<uint8_t> packed;
  packed.reserve(static_cast<size_t>(PictureSide * PictureSide / 8));
  for (int64_t y = 0; y < PictureSide; ++y) {
    const std::vector<uint8_t> row = vx::binarybooltopackedbool(starrow(y), PictureSide);
    packed.insert(packed.end(), row.begin(), row.end());
  }
  return packed;
}

std::vector<uint8_t> makerandom() {
  std::mt19937_64 generator(20261206);
  std::vector<uint8_t> bytes(static_cast<size_t>(PictureSide * PictureSide / 8));
  for (size_t i = 0; i < bytes.size(); i += 8) {
    const uint64_t word = generator();
    for (size_t k = 0; k < 8; ++k) bytes[i + k] = static_cast<uint8_t>(word >> (8 * k));
  }
  return bytes;
}

}  // namespace

const std::vector<uint8_t>& packedstar() {
  static const std::vector<uint8_t> star = makestar();
  return star;
}

const std::vector<uint8_t>& randombytes() {
  static const std::vector<uint8_t> bytes = makerandom();
  return bytes;
}

}  // namespace vxbench
