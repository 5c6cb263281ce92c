// Calls whose work grew with a caller's number without bound: a line to a
// point 2^36 pixels away, and counts of spaces, tab fill and glyph cells near
// the largest Int. Lines now walk only the steps that can reach the picture,
// held point for point to the literal walk; counts are cut to
// MaxRepeatedCharacters (32 767, the longest run of spaces the toolkit makes).
// A paste into a line input queues no more keys than the field can hold.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "console/input_field.h"
#include "console/repeat_bound.h"
#include "events/event_state.h"
#include "graphic_window.h"
#include "graphics/line_walk.h"
#include "text_window.h"

using namespace vx;

namespace {

using Points = std::vector<std::pair<int64_t, int64_t>>;

double literalsum(double x, double step, int64_t additions) {
  for (int64_t k = 0; k < additions; ++k) x += step;
  return x;
}

// g_Line's middle points on a width x height picture, step by step.
Points literalmiddle(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height) {
  Points points;
  const int64_t steps = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
  const double ix = static_cast<double>(x1 - x0) / static_cast<double>(steps);
  const double iy = static_cast<double>(y1 - y0) / static_cast<double>(steps);
  double x = static_cast<double>(x0), y = static_cast<double>(y0);
  for (int64_t k = 1; k < steps; ++k) {
    x += ix;
    y += iy;
    const auto px = static_cast<int64_t>(x + 0.5), py = static_cast<int64_t>(y + 0.5);
    if (px >= 0 && py >= 0 && px < width && py < height) points.emplace_back(px, py);
  }
  return points;
}

Points walkedmiddle(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height) {
  Points points;
  linemiddleonpicture(x0, y0, x1, y1, width, height, [&](int64_t x, int64_t y) { points.emplace_back(x, y); });
  return points;
}

}  // namespace

// The running sums carried forward in stretches are the very doubles the
// additions give: across binades, signs, zero, ties of half a spacing (which
// alternate until the last bit is even) and sums that stop moving.
TEST(BoundedWork, RunningSumsEqualTheAdditionsBitForBit) {
  struct Sum {
    double start, step;
  };
  const double tiny = std::ldexp(1.0, -40);
  std::vector<Sum> sums = {{0.0, 1.0},          {-3.5, 0.1},        {1e6, -1.0 / 3},
                           {std::ldexp(1.0, 53) - 7, 1.0},         {std::ldexp(1.0, 53) + 2, -1.0},
                           {std::ldexp(1.0, 52), 0.5},              {std::ldexp(1.0, 52) + 1, 1.5},
                           {std::ldexp(1.0, 60), -1.0},             {1.0, tiny},
                           {-1.0, 0.7},         {0.3, -0.1}};
  std::mt19937_64 random(19);
  for (int n = 0; n < 300; ++n) {
    const double start = std::ldexp(static_cast<double>(random() % 2000000) - 1e6, static_cast<int>(random() % 80) - 40);
    const double step = (static_cast<double>(random() % 20001) - 10000) / static_cast<double>(1 + random() % 9999);
    sums.push_back({start, step});
  }
  for (const Sum& s : sums) {
    for (const int64_t additions : {1, 2, 7, 100, 4097, 30000}) {
      const double expected = literalsum(s.start, s.step, additions);
      ASSERT_EQ(std::bit_cast<uint64_t>(runningsum(s.start, s.step, additions)), std::bit_cast<uint64_t>(expected))
          << s.start << " + " << s.step << " x " << additions;
    }
  }
}

// The points of the walk that reach the picture, in order, against the
// literal walk: lines crossing, grazing, missing and ending in the picture,
// at every slope, up to a few hundred thousand steps.
TEST(BoundedWork, LinesWalkOnlyTheStepsThatReachThePicture) {
  std::mt19937_64 random(36);
  const auto any = [&](int64_t range) { return static_cast<int64_t>(random() % (2 * range + 1)) - range; };
  for (int n = 0; n < 3000; ++n) {
    const int64_t range = n % 3 == 0 ? 300000 : n % 3 == 1 ? 3000 : 80;
    const int64_t width = 1 + static_cast<int64_t>(random() % 70), height = 1 + static_cast<int64_t>(random() % 70);
    const int64_t x0 = any(range), y0 = any(range), x1 = any(range), y1 = any(range);
    if (std::max(std::llabs(x1 - x0), std::llabs(y1 - y0)) < 2) continue;
    ASSERT_EQ(walkedmiddle(x0, y0, x1, y1, width, height), literalmiddle(x0, y0, x1, y1, width, height))
        << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ") on " << width << " x " << height;
  }
}

// Through g_Line: the line to (2^36, 0) sets the 64 points of its first row
// and ends at the last of them; a long steep line sets what the literal walk
// sets.
TEST(BoundedWork, FarLinesSetTheSamePixels) {
  struct FarLine {
    int64_t x0, y0, x1, y1;
  };
  for (const FarLine& l : {FarLine{0, 0, int64_t{1} << 36, 0}, FarLine{-700000, -3, 900000, 70},
                           FarLine{31, -(int64_t{1} << 40), 32, int64_t{1} << 40}}) {
    vxtest::opengraphicwindow(1, 8, 64, 64);
    t_Color(1, 15);
    g_ClearScreen(1, 0, -1);
    g_Line(1, l.x0, l.y0, l.x1, l.y1);
    std::set<std::pair<int64_t, int64_t>> set;
    for (int64_t y = 0; y < 64; ++y)
      for (int64_t x = 0; x < 64; ++x)
        if (vxtest::picture(1)[y * 64 + x] != 0) set.emplace(x, y);
    Points expected;
    if (l.x0 == 0) {
      for (int64_t x = 0; x < 64; ++x) expected.emplace_back(x, 0);
    } else if (l.x0 == 31) {
      // The running x reaches 31.5 exactly at y = 0 (2^40 additions of
      // 2^-41); the step before, at y = -1, rounds to row 0 with x 31.
      expected.emplace_back(31, 0);
      for (int64_t y = 0; y < 64; ++y) expected.emplace_back(32, y);
    } else {
      expected = literalmiddle(l.x0, l.y0, l.x1, l.y1, 64, 64);
    }
    EXPECT_EQ(set, std::set(expected.begin(), expected.end()));
    EXPECT_EQ(std::pair(WindowTable[1].PositionX, WindowTable[1].PositionY), expected.back());
  }
}

// Counts beyond MaxRepeatedCharacters are cut to it: the cursor of a 20-column
// area ends where 32 767 characters leave it (column 8 after 1638 lines).
TEST(BoundedWork, RepeatedCharactersAreCutTo32767) {
  constexpr int64_t Max = std::numeric_limits<int64_t>::max();
  struct Count {
    const char* name;
    std::function<void()> call;
    int64_t column;
  };
  for (const Count& c : {Count{"t_PrintSpc of the largest Int", [] { t_PrintSpc(0, Max); }, 8},
                         Count{"t_PrintSpc of 32768", [] { t_PrintSpc(0, 32768); }, 8},
                         Count{"t_PrintSpc of 32767", [] { t_PrintSpc(0, 32767); }, 8},
                         Count{"t_PrintSpc of 32766", [] { t_PrintSpc(0, 32766); }, 7},
                         Count{"t_PrintTab to the largest Int", [] { t_PrintTab(0, Max, '*'); }, 8}}) {
    SCOPED_TRACE(c.name);
    vxtest::opentextwindow(0, 20, 3);
    c.call();
    EXPECT_EQ(WindowTable[0].TextHpos, c.column);
  }
  vxtest::opentextwindow(0, 20, 3);
  vxtest::LogCapture capture;
  t_TextHline(0, 1, Max, 1, '-');
  EXPECT_EQ(vxtest::occurrences(capture.take(), "illegal coordinates"), size_t{MaxRepeatedCharacters - 20});
  EXPECT_EQ(vxtest::linetext(0, 1), std::string(20, '-'));
}

// Ctrl-V with a line of a million characters on the pasteboard queues as
// many key events as the field can hold: its length limit, or the columns
// left before the area's last.
TEST(BoundedWork, PasteQueuesNoMoreKeysThanTheFieldHolds) {
  struct Field {
    int64_t hpos, maxcharacters, keys;
  };
  for (const Field& f : {Field{1, 10, 10}, Field{1, 25, 19}, Field{15, 25, 5}, Field{1, 0, 0}, Field{25, 3, 0},
                         Field{1, std::numeric_limits<int64_t>::max(), 19}}) {
    SCOPED_TRACE(f.hpos);
    t_Window& w = vxtest::opentextwindow(0, 20, 3);
    discardkeyevents();
    w.InputHpos = f.hpos;
    w.InputMaxCharacters = f.maxcharacters;
    w.InputString.clear();
    useHeadlessHost().pasteboardSetString(std::string(1000000, '7') + "\nsecond line");
    t_InputEdit(0, 22);
    EXPECT_EQ(EventQueue.size(), f.keys);
    EXPECT_EQ(fieldcapacity(w), f.keys);
  }
}
