#include "graphics/star_raster.h"

#include <atomic>
#include <mutex>
#include <tuple>
#include <utility>
#include <cstring>

#include "graphics/drawing_modes.h"
#include "graphics/palette.h"

namespace vx {

bool middleinside(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height) {
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const bool xmajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t major0 = xmajor ? x0 : y0, major1 = xmajor ? x1 : y1, majorsize = xmajor ? width : height;
  const int64_t minor0 = xmajor ? y0 : x0, minor1 = xmajor ? y1 : x1, minorsize = xmajor ? height : width;
  if (std::min(major0, major1) < -1 || std::max(major0, major1) > majorsize) return false;
  if (std::min(minor0, minor1) < 0 || std::max(minor0, minor1) > minorsize - 1) return false;
  // Each running sum rounds by at most half an ulp of its size, and the
  // increment itself by half an ulp of its own: together far below 0.5 here.
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  const int64_t size = std::max({std::llabs(x0), std::llabs(x1), std::llabs(y0), std::llabs(y1)}) + 1;
  return steps < (int64_t{1} << 24) && size < (int64_t{1} << 24);
}

namespace {

// Mask memory between calls: at most two blocks (one per thread), the
// largest asked for. Never destroyed, like the toolkit's other process-wide
// state.
struct MaskPool {
  std::mutex lock;
  std::vector<std::pair<uint64_t*, size_t>> blocks;
};

MaskPool& maskpool() {
  static MaskPool* pool = new MaskPool;
  return *pool;
}

}  // namespace

TouchMask::TouchMask(int64_t width, int64_t height)
    : width_(width), height_(height), rowwords_((width + 63) / 64) {
  const size_t need = static_cast<size_t>(std::max<int64_t>(rowwords_ * height, 1));
  {
    MaskPool& pool = maskpool();
    const std::lock_guard<std::mutex> hold(pool.lock);
    for (auto it = pool.blocks.begin(); it != pool.blocks.end(); ++it)
      if (it->second >= need) {
        std::tie(words_, capacity_) = *it;
        pool.blocks.erase(it);
        return;
      }
  }
  words_ = new (std::nothrow) uint64_t[need];
  capacity_ = words_ != nullptr ? need : 0;
}

TouchMask& TouchMask::operator=(TouchMask&& other) noexcept {
  if (this != &other) {
    release();
    width_ = other.width_;
    height_ = other.height_;
    rowwords_ = other.rowwords_;
    words_ = std::exchange(other.words_, nullptr);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

TouchMask::~TouchMask() { release(); }

void TouchMask::release() {
  if (words_ == nullptr) return;
  MaskPool& pool = maskpool();
  const std::lock_guard<std::mutex> hold(pool.lock);
  pool.blocks.emplace_back(std::exchange(words_, nullptr), capacity_);
  // Keep the two largest.
  std::sort(pool.blocks.begin(), pool.blocks.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  while (pool.blocks.size() > 2) {
    delete[] pool.blocks.back().first;
    pool.blocks.pop_back();
  }
}

void TouchMask::clear() { std::fill_n(words_, rowwords_ * height_, uint64_t{0}); }

namespace {

// Eight lines at a time: the lanes of one vector hold the running sums of
// eight lines along the same major axis and direction, so the sums advance
// independently of one another.
constexpr int Lanes = 8;
typedef double Sums __attribute__((vector_size(8 * Lanes)));
typedef int32_t Cells __attribute__((vector_size(4 * Lanes)));
typedef uint64_t Words __attribute__((vector_size(8 * Lanes)));

// The bitwise or of all lanes. The vector comes by reference: a 256-bit
// vector passed by value has no fixed calling convention without AVX, and
// clang rejects that under -Werror (-Wpsabi), though the call is inlined.
template <class V>
[[gnu::always_inline]] inline auto orlanes(const V& lanes) {
  V v = lanes;
  v |= __builtin_shufflevector(v, v, 4, 5, 6, 7, 0, 1, 2, 3);
  v |= __builtin_shufflevector(v, v, 2, 3, 0, 1, 6, 7, 4, 5);
  v |= __builtin_shufflevector(v, v, 1, 0, 3, 2, 5, 4, 7, 6);
  return v[0];
}

// Marks points 1 .. count of eight lines from a common start: the major
// coordinate is major0 + k x sign for all of them, the minor one lane l's
// running sum from minor0 by inc[l]. Every point lies on the mask. Leaves
// each lane's next sum in sums[l].
//
// Compiled for AVX-512, for AVX2 and for any x86-64 (see MarkingVariants);
// each adds and truncates exactly as the scalar code does.
[[gnu::always_inline]] inline void markeight(uint64_t* words, int64_t rowwords, bool xmajor, int64_t major0,
                                             int64_t sign, double minor0, const double* inc, int64_t count,
                                             double* sums) {
  Sums m, d, half;
  for (int l = 0; l < Lanes; ++l) {
    d[l] = inc[l];
    m[l] = minor0 + inc[l];
    half[l] = 0.5;
  }
  int64_t major = major0 + sign;
  if (xmajor) {
    // One column, eight rows: near the start the rows coincide.
    const auto stride = static_cast<int32_t>(rowwords);
    for (int64_t k = 0; k < count; ++k, major += sign, m += d) {
      const Cells rows = __builtin_convertvector(m + half, Cells);
      uint64_t* column = words + (major >> 6);
      const uint64_t bit = uint64_t{1} << ((major & 63) ^ 7);
      const Cells at = rows * stride;
      if (orlanes(rows ^ rows[0]) == 0) {
        column[at[0]] |= bit;
        continue;
      }
      for (int l = 0; l < Lanes; ++l) column[at[l]] |= bit;
    }
  } else {
    // One row, eight columns: mostly within one 32-bit word (the row's
    // bytes in the same order as in its 64-bit words).
    typedef uint32_t Word32 __attribute__((may_alias));
    for (int64_t k = 0; k < count; ++k, major += sign, m += d) {
      const Cells columns = __builtin_convertvector(m + half, Cells);
      Word32* row = reinterpret_cast<Word32*>(words + major * rowwords);
      const Cells word = columns >> 5;
      const Cells bits = 1 << ((columns & 31) ^ 7);
      if (orlanes(word ^ word[0]) == 0) {
        row[word[0]] |= static_cast<uint32_t>(orlanes(bits));
        continue;
      }
      for (int l = 0; l < Lanes; ++l) row[word[l]] |= static_cast<uint32_t>(bits[l]);
    }
  }
  for (int l = 0; l < Lanes; ++l) sums[l] = m[l];
}

using MarkEight = void (*)(uint64_t*, int64_t, bool, int64_t, int64_t, double, const double*, int64_t, double*);

#if defined(__x86_64__)
[[gnu::target("arch=x86-64-v4")]] void markeightv4(uint64_t* words, int64_t rowwords, bool xmajor,
                                                    int64_t major0, int64_t sign, double minor0,
                                                    const double* inc, int64_t count, double* sums) {
  markeight(words, rowwords, xmajor, major0, sign, minor0, inc, count, sums);
}
[[gnu::target("arch=x86-64-v3")]] void markeightv3(uint64_t* words, int64_t rowwords, bool xmajor,
                                                    int64_t major0, int64_t sign, double minor0,
                                                    const double* inc, int64_t count, double* sums) {
  markeight(words, rowwords, xmajor, major0, sign, minor0, inc, count, sums);
}
#endif
void markeightplain(uint64_t* words, int64_t rowwords, bool xmajor, int64_t major0, int64_t sign, double minor0,
                    const double* inc, int64_t count, double* sums) {
  markeight(words, rowwords, xmajor, major0, sign, minor0, inc, count, sums);
}

struct Variant {
  const char* name;
  MarkEight mark;
};

// The variants this processor can run, best first.
const std::vector<Variant>& variants() {
  static const std::vector<Variant> list = [] {
    std::vector<Variant> all;
#if defined(__x86_64__)
    __builtin_cpu_init();
    const bool v3 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&
                    __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
    const bool v4 = v3 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                    __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
    if (v4) all.push_back({"x86-64-v4", markeightv4});
    if (v3) all.push_back({"x86-64-v3", markeightv3});
#endif
    all.push_back({"plain", markeightplain});
    return all;
  }();
  return list;
}

std::atomic<MarkEight> chosen{nullptr};

MarkEight marker() {
  MarkEight m = chosen.load(std::memory_order_relaxed);
  return m != nullptr ? m : variants().front().mark;
}

// A run of lines whose middle points can go through markeight together.
struct Batch {
  bool xmajor = false;
  int64_t sign = 0;
  int count = 0;
  const RimPoint* ends[Lanes];
  int64_t steps[Lanes];
  double inc[Lanes];
};

void markbatch(TouchMask& mask, RimPoint centre, Batch& b) {
  int64_t common = b.steps[0];
  for (int l = 1; l < b.count; ++l) common = std::min(common, b.steps[l]);
  for (int l = b.count; l < Lanes; ++l) {  // spare lanes repeat the first line
    b.steps[l] = b.steps[0];
    b.inc[l] = b.inc[0];
  }
  const double minor0 = static_cast<double>(b.xmajor ? centre.y : centre.x);
  const int64_t major0 = b.xmajor ? centre.x : centre.y;
  double sums[Lanes];
  const int64_t rowwords = (mask.width() + 63) / 64;
  marker()(mask.row(0), rowwords, b.xmajor, major0, b.sign, minor0, b.inc, common - 1, sums);
  // Each line's remaining middle points, its first point and its end point.
  for (int l = 0; l < b.count; ++l) {
    double m = sums[l];
    for (int64_t k = common, major = major0 + common * b.sign; k < b.steps[l]; ++k, major += b.sign, m += b.inc[l]) {
      if (b.xmajor) mask.mark(major, lineround(m)); else mask.mark(lineround(m), major);
    }
    const RimPoint& e = *b.ends[l];
    if (e.x >= 0 && e.y >= 0 && e.x < mask.width() && e.y < mask.height()) mask.mark(e.x, e.y);
  }
  const int64_t fx = lineround(static_cast<double>(centre.x)), fy = lineround(static_cast<double>(centre.y));
  if (fx >= 0 && fy >= 0 && fx < mask.width() && fy < mask.height()) mask.mark(fx, fy);
  b.count = 0;
}

}  // namespace

std::vector<std::string> markingvariants() {
  std::vector<std::string> names;
  for (const Variant& v : variants()) names.push_back(v.name);
  return names;
}

bool usemarkingvariant(const std::string& name) {
  for (const Variant& v : variants())
    if (name == v.name) {
      chosen.store(v.mark, std::memory_order_relaxed);
      return true;
    }
  return false;
}

void marklines(TouchMask& mask, RimPoint centre, const RimPoint* ends, size_t count) {
  Batch batch;
  for (size_t i = 0; i < count; ++i) {
    const RimPoint& e = ends[i];
    const int64_t dx = e.x - centre.x, dy = e.y - centre.y;
    const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps < 2 || !middleinside(centre.x, centre.y, e.x, e.y, mask.width(), mask.height())) {
      traceline(centre.x, centre.y, e.x, e.y, mask.width(), mask.height(),
                [&](int64_t x, int64_t y) { mask.mark(x, y); });
      continue;
    }
    const bool xmajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t sign = (xmajor ? dx : dy) > 0 ? 1 : -1;
    if (batch.count > 0 && (batch.xmajor != xmajor || batch.sign != sign)) markbatch(mask, centre, batch);
    batch.xmajor = xmajor;
    batch.sign = sign;
    batch.ends[batch.count] = &e;
    batch.steps[batch.count] = steps;
    batch.inc[batch.count] = static_cast<double>(xmajor ? dy : dx) / static_cast<double>(steps);
    if (++batch.count == Lanes) markbatch(mask, centre, batch);
  }
  if (batch.count > 0) markbatch(mask, centre, batch);
}

namespace {

// Calls write(row, x) for each marked pixel of rows [ylo, yhi).
template <class Write>
void eachmarked(const PixelSurface& s, const TouchMask* const* masks, size_t count, int64_t ylo, int64_t yhi,
                Write&& write) {
  const int64_t words = (s.width + 63) / 64;
  for (int64_t y = ylo; y < yhi; ++y) {
    uint8_t* row = s.row(y);
    for (int64_t w = 0; w < words; ++w) {
      uint64_t bits = 0;
      for (size_t m = 0; m < count; ++m) bits |= masks[m]->row(y)[w];
      while (bits != 0) {
        const int b = __builtin_ctzll(bits);
        bits &= bits - 1;
        write(row, w * 64 + (b ^ 7));
      }
    }
  }
}

}  // namespace

void applymasks(const PixelSurface& s, const PlotColor& c, const TouchMask* const* masks, size_t count,
                int64_t ylo, int64_t yhi) {
  switch (s.depth) {
    case 1: {
      // The mask's bytes line up with the picture's, so whole bytes combine,
      // eight at a time.
      const bool set = c.textcolor >= 144;
      const int64_t n = s.rowbytes, whole = n / 8 * 8;
      auto combine = [set](uint64_t picture, uint64_t marked) { return set ? picture | marked : picture & ~marked; };
      for (int64_t y = ylo; y < yhi; ++y) {
        uint8_t* row = s.row(y);
        const uint64_t* a = masks[0]->row(y);
        const uint64_t* b = masks[count > 1 ? 1 : 0]->row(y);
        for (int64_t i = 0; i < whole; i += 8) {
          uint64_t p;
          std::memcpy(&p, row + i, 8);
          p = combine(p, a[i / 8] | b[i / 8]);
          std::memcpy(row + i, &p, 8);
        }
        for (int64_t i = whole; i < n; ++i) {
          const auto marked = static_cast<uint8_t>((a[i / 8] | b[i / 8]) >> (8 * (i % 8)));
          row[i] = static_cast<uint8_t>(combine(row[i], marked));
        }
      }
      break;
    }
    case 4: {
      const uint8_t index = c.textcolor >> 4;
      eachmarked(s, masks, count, ylo, yhi, [&](uint8_t* row, int64_t x) {
        uint8_t& b = row[x / 2];
        b = x % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (index << 4)) : static_cast<uint8_t>((b & 0xF0) | index);
      });
      break;
    }
    case 8: {
      const uint8_t grey = greylevel(c.rgb);
      eachmarked(s, masks, count, ylo, yhi, [&](uint8_t* row, int64_t x) { row[x] = grey; });
      break;
    }
    case 16: {
      const uint8_t grey = greylevel(c.rgb);
      eachmarked(s, masks, count, ylo, yhi, [&](uint8_t* row, int64_t x) {
        row[2 * x] = c.rgb.Alpha;
        row[2 * x + 1] = grey;
      });
      break;
    }
    case 24:
      eachmarked(s, masks, count, ylo, yhi,
                 [&](uint8_t* row, int64_t x) { combinergb(c.mode, c.rgb, row + 3 * x); });
      break;
    case 32:
      eachmarked(s, masks, count, ylo, yhi,
                 [&](uint8_t* row, int64_t x) { combineargb(c.mode, c.rgb, row + 4 * x); });
      break;
    default: break;
  }
}

bool orderfree(const PixelSurface& s, const PlotColor& c) {
  if (s.depth != 24 && s.depth != 32) return true;
  return c.mode != 1 && c.mode != 4 && c.mode != 7;
}

namespace {

template <int Depth, int Mode>
bool draworderedas(const PixelSurface& s, const PlotColor& c, RimPoint centre, const RimPoint* ends,
                   size_t count, int64_t& lastx, int64_t& lasty) {
  bool any = false;
  const uint8_t colour[3] = {c.rgb.Red, c.rgb.Green, c.rgb.Blue};
  const uint8_t alpha = c.rgb.Alpha;
  auto plot = [&](int64_t x, int64_t y) {
    uint8_t* p = s.row(y) + x * (Depth / 8) + (Depth == 32 ? 1 : 0);
    for (int k = 0; k < 3; ++k) {
      if constexpr (Mode == 7) {
        p[k] = colour[k] ^ p[k];
      } else if constexpr (Mode == 1 && Depth == 32) {
        p[k] = static_cast<uint8_t>(colour[k] * alpha / 255 + p[k] * (255 - alpha) / 255);
      } else {
        p[k] = static_cast<uint8_t>((colour[k] + p[k]) / 2);
      }
    }
    lastx = x;
    lasty = y;
  };
  for (size_t i = 0; i < count; ++i)
    any |= traceline(centre.x, centre.y, ends[i].x, ends[i].y, s.width, s.height, plot);
  return any;
}

}  // namespace

bool drawordered(const PixelSurface& s, const PlotColor& c, RimPoint centre, const RimPoint* ends,
                 size_t count, int64_t& lastx, int64_t& lasty) {
  if (orderfree(s, c)) {  // any other colour: each plot as g_Plot writes it
    bool any = false;
    for (size_t i = 0; i < count; ++i)
      any |= traceline(centre.x, centre.y, ends[i].x, ends[i].y, s.width, s.height, [&](int64_t x, int64_t y) {
        writepixel(s, x, y, c);
        lastx = x;
        lasty = y;
      });
    return any;
  }
  const bool deep = s.depth == 32;
  switch (c.mode) {
    case 1: return deep ? draworderedas<32, 1>(s, c, centre, ends, count, lastx, lasty)
                        : draworderedas<24, 1>(s, c, centre, ends, count, lastx, lasty);
    case 4: return deep ? draworderedas<32, 4>(s, c, centre, ends, count, lastx, lasty)
                        : draworderedas<24, 4>(s, c, centre, ends, count, lastx, lasty);
    default: return deep ? draworderedas<32, 7>(s, c, centre, ends, count, lastx, lasty)
                         : draworderedas<24, 7>(s, c, centre, ends, count, lastx, lasty);
  }
}

}  // namespace vx
