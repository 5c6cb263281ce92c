#pragma once
// What the example sessions share: the picture a slot's view last showed,
// clicks on a slot's picture and keys by their key codes.
#include <cstdint>
#include <optional>

#include "vxtools.h"
#include "vxtools_headless.h"

namespace vxtest {

// The image the view of `slot` showed when it was last drawn (main thread).
std::optional<vx::HostImage> shownimage(vx::HeadlessSession& session, int slot);
// Red, green and blue of pixel (x, y) of an image as 0xRRGGBB.
uint32_t rgb(const vx::HostImage& image, int64_t x, int64_t y);
// A click on pixel (x, y) of slot `slot`'s picture, as the host delivers it.
void click(int slot, int64_t x, int64_t y, bool right = false);

}  // namespace vxtest
