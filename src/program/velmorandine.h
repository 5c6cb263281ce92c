#pragma once
// The star program: asks for the size of a square graphic, then again and
// again for a number of segments, draws the star pattern of that many wedges
// into a one-bit graphic window and prints how long the drawing took. An
// answer of 0 ends it. It runs on the program thread, like any user program.
#include <string>

namespace vx {

void velmorandine();

// The texts the program shows (tests compare against them).
namespace velmorandinetext {
extern const char* const ProgramName;
extern const char* const Notice;
extern const char* const SizePrompt;
extern const char* const SegmentPrompt;
extern const char* const SizeRefused;
extern const char* const TimePrefix;
}  // namespace velmorandinetext

}  // namespace vx
