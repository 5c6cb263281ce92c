// The exhaustive check of the star drawn by runs: for every square size D in
// a range and every segment count 1..360, the star program's call (a cleared
// white one-bit window, drawn black, the whole square) drawn by runs must give
// the same picture and position as the same call drawn line by line, or, with
// --against sweep, as the literal angle sweep (far slower).
//
//   vxtools_star_check [--against lines|sweep] [FROM [TO]]   (D = 32..1024 by default)
//
// Prints one line per size that differs and a summary; the exit status is 0
// when every drawing agreed.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/star_pattern.h"
#include "graphics/star_runs.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "vxtools_headless.h"
#include "windows/window_init.h"

namespace {

constexpr uint8_t StarWindow = 1;

struct Drawing {
  std::vector<uint8_t> picture;
  int64_t x = 0, y = 0;
  bool operator==(const Drawing&) const = default;
};

template <class Draw>
Drawing drawstar(int64_t size, int64_t segments, Draw draw) {
  vx::g_ClearScreen(StarWindow, 15, -1);
  vx::t_Window& w = vx::WindowTable[StarWindow];
  w.PositionX = -1;
  w.PositionY = -1;
  draw(StarWindow, 0, 0, size - 1, size - 1, segments);
  const auto* begin = vx::ToolkitMemory.data() + w.MemoryStart;
  return {{begin, begin + (w.MemoryEnd - w.MemoryStart + 1)}, w.PositionX, w.PositionY};
}

Drawing bymethod(vx::StarMethod method, int64_t size, int64_t segments) {
  const vx::UseStarMethod use(method);
  return drawstar(size, segments, vx::g_DrawVelmorandine);
}

// The first few differences of one drawing, for a person to look at.
void describe(int64_t size, int64_t segments, const Drawing& runs, const Drawing& expected) {
  std::printf("D %ld N %ld: position %ld,%ld, expected %ld,%ld\n", static_cast<long>(size), static_cast<long>(segments),
              static_cast<long>(runs.x), static_cast<long>(runs.y), static_cast<long>(expected.x),
              static_cast<long>(expected.y));
  const int64_t rowbytes = (size + 7) / 8;
  int shown = 0;
  for (size_t i = 0; i < runs.picture.size() && shown < 8; ++i)
    for (int bit = 0; bit < 8 && shown < 8; ++bit) {
      const int mask = 0x80 >> bit;
      if ((runs.picture[i] & mask) == (expected.picture[i] & mask)) continue;
      std::printf("  pixel %ld,%ld: %s, expected %s\n", static_cast<long>(static_cast<int64_t>(i) % rowbytes * 8 + bit),
                  static_cast<long>(static_cast<int64_t>(i) / rowbytes), runs.picture[i] & mask ? "white" : "black",
                  expected.picture[i] & mask ? "white" : "black");
      ++shown;
    }
}

}  // namespace

int main(int argc, char** argv) {
  bool sweep = false;
  std::vector<long> bounds;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--against") == 0 && i + 1 < argc) {
      sweep = std::strcmp(argv[++i], "sweep") == 0;
      if (!sweep && std::strcmp(argv[i], "lines") != 0) {
        std::fprintf(stderr, "--against must be lines or sweep\n");
        return 2;
      }
    } else {
      bounds.push_back(std::strtol(argv[i], nullptr, 10));
    }
  }
  const long from = bounds.empty() ? 32 : bounds[0];
  const long to = bounds.size() > 1 ? bounds[1] : bounds.empty() ? 1024 : from;
  if (from < 1 || to < from || to > 8192) {
    std::fprintf(stderr, "usage: vxtools_star_check [--against lines|sweep] [FROM [TO]] (1 <= FROM <= TO <= 8192)\n");
    return 2;
  }
  vx::setlogechoed(false);
  vx::useHeadlessHost();
  long drawings = 0, differing = 0;
  for (long size = from; size <= to; ++size) {
    vx::t_InitWindow(StarWindow, 1, false, size, size, 5, 5, vx::t_Font{}, true);
    vx::t_ColorBorder(StarWindow, 15);
    vx::t_Color(StarWindow, 0, 15);
    std::string wrong;
    for (int64_t segments = 1; segments <= 360; ++segments) {
      const Drawing runs = bymethod(vx::StarMethod::Runs, size, segments);
      const Drawing expected = sweep ? drawstar(size, segments, vx::g_DrawVelmorandineReference)
                                     : bymethod(vx::StarMethod::Lines, size, segments);
      ++drawings;
      if (runs == expected) continue;
      ++differing;
      wrong += " " + std::to_string(segments);
      if (differing <= 5) describe(size, segments, runs, expected);
    }
    if (!wrong.empty()) std::printf("D %ld differs at N%s\n", size, wrong.c_str());
    if (size % 64 == 0) std::fprintf(stderr, "D %ld done\n", size);
  }
  std::printf("%ld drawings (D %ld..%ld, N 1..360) against the %s: %ld differ\n", drawings, from, to,
              sweep ? "literal sweep" : "line drawing", differing);
  return differing == 0 ? 0 : 1;
}
