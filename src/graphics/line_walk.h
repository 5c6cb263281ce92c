#pragma once
// The floating-point walk of g_Line without its steps off the picture. g_Line
// forms each point of a line as a running sum, adding the step to the last
// point's unrounded position; a line of 2^36 steps of which 64 touch the
// picture would otherwise take 2^36 additions. Here the running sums are
// carried forward in whole stretches, exactly as the additions would round
// them, and only the stretch of steps that can reach the picture is walked.
#include <cstdint>
#include <functional>

namespace vx {

// start + step + step + ... with `additions` additions, each rounded as a
// double addition rounds it, in a number of operations that grows with the
// number of binades passed, not with `additions`.
double runningsum(double start, double step, int64_t additions);

// The points g_Line forms between its first and its end point (its steps 1 to
// steps − 1, where steps = max(|x1 − x0|, |y1 − y0|) ≥ 2) that lie on a
// width x height picture, handed to `plot` in g_Line's order. The ends'
// coordinates lie within ±2^61.
void linemiddleonpicture(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t width, int64_t height,
                         const std::function<void(int64_t, int64_t)>& plot);

}  // namespace vx
