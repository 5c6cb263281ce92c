#pragma once
// Opening small windows for the graphics tests.
#include <cstdint>
#include <string>

#include "support/test_support.h"

namespace vxtest {

// A shown graphic window (no font, no border) of width x height at `depth`.
void opengraphicwindow(uint8_t slot, int64_t depth, int64_t width, int64_t height);
// A grey font of width x height glyphs for codes 32..127, all blank.
vx::t_Font testfont(int64_t width, int64_t height);
// The first picture byte of a slot.
uint8_t* picture(uint8_t slot);
// The log without the refresh process's own lines, which arrive at any time.
std::string withoutrefreshlines(const std::string& log);

}  // namespace vxtest
