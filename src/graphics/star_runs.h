#pragma once
// The one-bit star drawn row by row instead of line by line.
//
// Every filled sector is the union of the lines from the centre to its rim
// pixels. Those lines fan out in angle order, neighbouring rim pixels are at
// most one pixel apart (the angle step is 0.5 / rmax^2, so the rim point moves
// by 0.5 / rmax pixel per step), and the running sums of lines of the same
// major axis and direction are ordered as their slopes are (each rounded sum
// is a monotonic function of the increment). So in every row the sector's
// pixels form one run without gaps, and the pixels at its two ends belong to
// one of the sector's two edge lines (to its first and its last rim pixel) or
// are rim pixels of that row. Walking those two lines as g_Line does and
// visiting the rim pixels gives each row's run; the runs are then filled with
// byte stores. The result is the literal sweep's pixels; the differential
// tests and `vxtools_star_check` compare them.
#include <cstdint>
#include <vector>

#include "graphics/pixel_formats.h"
#include "graphics/pixel_surface.h"
#include "graphics/star_helper.h"  // the split rows, for the tests
#include "graphics/star_sweep.h"

namespace vx {

// Whether the run method applies: a one-bit surface, and coordinates small
// enough that the running sums of every line stay within a small fraction of
// a pixel of the exact line.
bool starrunsapply(const PixelSurface& s, const StarGeometry& g);

// What drawing by runs leaves for the window's position.
struct RunsResult {
  bool done = false;  // false: the position could not be settled; draw by lines
  bool hit = false;   // some point landed on the surface
  RimPoint last{0, 0};  // then the last one, where the window's position goes
};

// Fills the filled sectors' runs on the surface in the drawing colour and
// finds the last point the sweep plots.
RunsResult drawstarruns(const PixelSurface& s, const PlotColor& c, RimPoint centre, const StarGeometry& g,
                        const AngleSequence& angles, const std::vector<IndexRange>& ranges);

// Whether the runs pay for this star: they walk both edge lines of every
// sector from the centre to the rim, where the line drawing walks the lines
// to the rim pixels, so sectors only a few pixels wide at the rim are drawn
// faster line by line, unless a helper thread shares the runs (stars of
// `starsplitrows()` rows and more).
bool starrunspay(const PixelSurface& s, const StarGeometry& g, double sectorangle);

// How g_DrawVelmorandine draws a one-bit star: as it chooses (the default),
// or, for the tests and the benchmark, by runs wherever they apply or line by
// line, so that both can be measured and compared on the same calls.
enum class StarMethod { Chosen, Runs, Lines };
void choosestarmethod(StarMethod method);
StarMethod starmethod();

// Draws by the given method for as long as it lives.
class UseStarMethod {
 public:
  explicit UseStarMethod(StarMethod method) : before_(starmethod()) { choosestarmethod(method); }
  ~UseStarMethod() { choosestarmethod(before_); }
  UseStarMethod(const UseStarMethod&) = delete;
  UseStarMethod& operator=(const UseStarMethod&) = delete;

 private:
  StarMethod before_;
};

}  // namespace vx
