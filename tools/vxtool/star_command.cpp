// vxtool star: draws the star pattern into a one-bit window as the star
// program does, times the drawing, and writes the picture.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "codecs/file_access.h"
#include "codecs/graphic_export.h"
#include "command.h"
#include "commands.h"
#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/screen_capture.h"
#include "graphics/star_pattern.h"
#include "graphics/star_runs.h"
#include "picture_files.h"
#include "windows/window_init.h"

namespace vxtool {
namespace {

constexpr uint8_t StarWindow = 1;

bool endswith(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool writablepath(const std::string& path) {
  return endswith(path, ".gr") || vxpictures::picturetypeof(path) != vxpictures::PictureType::Unknown;
}

// The toolkit's graphic file for .gr, else a picture file of the window's pixels.
bool writepicture(const std::string& path, ToolkitSession& session, Output& io) {
  const vx::t_Graphic graphic = vx::g_GetScreen(StarWindow);
  std::vector<uint8_t> bytes;
  std::string problem;
  if (endswith(path, ".gr")) {
    bytes = vx::graphicfilebytes(vx::g_EncodeGraphic(graphic));
  } else if (!vxpictures::picturebytes(graphic, vxpictures::picturetypeof(path), bytes, problem)) {
    io.error() << problem << '\n';
    return false;
  }
  // The system's reason comes with the name: "No space left on device".
  return writeoutputfile(path, bytes, session, io);
}

int runstar(const Arguments& arguments, Output& io) {
  long long size = 0;
  long long segments = 0;
  if (!integeroption(arguments, "size", 32, 8192, size, io)) return ExitUsage;
  if (!integeroption(arguments, "segments", 1, 360, segments, io)) return ExitUsage;
  long long repeat = 1;
  if (arguments.has("repeat") && !integeroption(arguments, "repeat", 1, 1000, repeat, io)) return ExitUsage;
  const std::string impl = arguments.value("impl", "fast");
  if (impl != "fast" && impl != "runs" && impl != "lines" && impl != "reference") {
    io.error() << "--impl must be fast, runs, lines or reference, not '" << impl << "'\n";
    return ExitUsage;
  }
  const std::string out = arguments.value("out");
  if (!out.empty() && !writablepath(out)) {
    io.error() << "--out must name a .gr, .png, .pbm, .pgm or .ppm file, not '" << out << "'\n";
    return ExitUsage;
  }

  ToolkitSession session;
  vx::t_InitWindow(StarWindow, 1, false, size, size, 5, 5, vx::t_Font{}, true);
  vx::t_ColorBorder(StarWindow, 15);
  vx::t_Color(StarWindow, 0, 15);
  const vx::UseStarMethod method(impl == "runs"    ? vx::StarMethod::Runs
                                 : impl == "lines" ? vx::StarMethod::Lines
                                                   : vx::StarMethod::Chosen);
  const auto draw = impl == "reference" ? vx::g_DrawVelmorandineReference : vx::g_DrawVelmorandine;
  // The first drawing is what a user of the star program gets; later ones
  // find the memory and the code already warm.
  double first = 0, best = 0;
  for (long long k = 0; k < repeat; ++k) {
    vx::g_ClearScreen(StarWindow, 15, -1);
    const auto start = std::chrono::steady_clock::now();
    draw(StarWindow, 0, 0, size - 1, size - 1, segments);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (k == 0) first = best = elapsed.count();
    best = std::min(best, elapsed.count());
  }

  char line[96];
  std::snprintf(line, sizeof line, "%.3f ms\n", first);
  io.out << line;
  if (repeat > 1) {
    std::snprintf(line, sizeof line, "best of %lld: %.3f ms\n", repeat, best);
    io.out << line;
  }
  if (!out.empty() && !writepicture(out, session, io)) return ExitFailure;
  return ExitOk;
}

constexpr Option StarOptions[] = {
    {"size", "D", "width and height of the picture in pixels, 32 to 8192", true},
    {"segments", "N", "number of filled segments, 1 to 360", true},
    {"impl", "IMPL", "fast (the default), runs, lines (as the other modes draw) or reference (the literal sweep)"},
    {"repeat", "K", "draw K times (1 to 1000) and print the best time after the first"},
    {"out", "FILE", "write the picture: the toolkit's graphic file for .gr; PNG, PBM, PGM or PPM by the extension"},
};

}  // namespace

const Command StarCommand{
    .words = "star",
    .operands = "",
    .operandcount = 0,
    .summary = "draw the star pattern into a D x D one-bit window and print the drawing time",
    .options = StarOptions,
    .details = "The window is cleared white and drawn in black, as the star program does; the time\n"
               "printed covers the drawing only: first the first drawing's, then with --repeat the\n"
               "best of all K. A one-bit window's width is a multiple of 8, so\n"
               "a --size that is not one gives a wider picture, as in the star program.\n"
               "fast draws by runs, or line by line where the sectors are only a few pixels\n"
               "wide at the rim and that is faster; runs draws by runs there too.",
    .run = runstar,
};

}  // namespace vxtool
