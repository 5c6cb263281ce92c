// Writes the seeds of fuzz_gr_reader into the folder given: the star pattern
// drawn into a graphic window of each depth, with a few coloured lines, and
// saved through the toolkit's pipeline (capture, g_EncodeGraphic,
// graphicfilebytes) whole and in two smaller rectangles, so that the seeds
// take the encoded and the left-as-they-were paths of every stage.
//   build-fuzz/fuzz/gr_seeds fuzz/corpus/gr_reader
#include <cstdio>
#include <string>

#include "fuzz_support.h"

using namespace vx;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gr_seeds FOLDER\n");
    return 2;
  }
  vxfuzz::quiethost();
  constexpr uint8_t window = 1;
  constexpr int64_t side = 32;  // the smallest window
  struct Rectangle {
    const char* name;
    int64_t x0, y0, x1, y1;
  };
  constexpr Rectangle rectangles[] = {{"star", 0, 0, side - 1, side - 1}, {"strip", 3, 14, 15, 18}, {"pixel", 16, 16, 16, 16}};
  for (const int64_t depth : {1, 4, 8, 16, 24, 32}) {
    t_InitWindow(window, depth, false, side, side, 0, 0, t_Font{}, false);
    g_ClearScreen(window, 15, -1);
    t_Color(window, 0);
    g_DrawVelmorandine(window, 0, 0, side - 1, side - 1, 6);
    for (int64_t colour = 1; colour < 5; ++colour) {
      t_Color(window, colour * 3);
      g_Line(window, 0, 14 + colour, side - 1, 18 - colour);
    }
    for (const Rectangle& r : rectangles) {
      const t_Graphic capture = g_GetScreenRect(window, r.x0, r.y0, r.x1, r.y1);
      const std::string path = std::string(argv[1]) + "/" + r.name + "-" + std::to_string(depth) + "bit.gr";
      if (setbinarytofile(path, graphicfilebytes(g_EncodeGraphic(capture))) != 0) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        return 1;
      }
    }
  }
  return 0;
}
