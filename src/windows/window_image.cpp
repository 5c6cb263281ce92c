#include "windows/window_image.h"

#include <algorithm>
#include <string>

#include "graphics/pixel_surface.h"
#include "host/host.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "windows/pixel_conversion.h"

namespace vx {
namespace {

// The largest picture a window can be given; bounds the per-pixel report of a
// record whose depth was changed to none of the six.
constexpr int64_t LargestSide = 8192;

void reportillegaldepth(const t_Window& w) {
  const int64_t pixels = std::clamp<int64_t>(w.Width, 0, LargestSide) * std::clamp<int64_t>(w.Height, 0, LargestSide);
  for (int64_t p = 0; p < pixels; ++p) log("t_WindowImage: Illegal bit depth.");
}

}  // namespace

HostImage pictureimage(const StoredPicture& s) {
  HostImage image;
  image.width = s.width;
  image.height = s.height;
  image.argb.resize(static_cast<size_t>(s.width * s.height * 4));
  const auto rowbytes = static_cast<size_t>(s.width * 4);
  for (int64_t y = 0; y < s.height; ++y)
    convertpixelrow(s, y, 0, s.width, image.argb.data() + static_cast<size_t>(y) * rowbytes,
                    PixelOrder::ArgbBytes);
  return image;
}

int64_t hostmilliseconds() { return static_cast<int64_t>(host().absoluteTime() * 1000.0); }
int64_t hostmicroseconds() { return static_cast<int64_t>(host().absoluteTime() * 1000000.0); }

bool withwindowpicture(uint8_t window, const std::function<void(const StoredPicture&)>& use) {
  if (!MemoryReady) return false;
  if (window >= 8) {
    log("t_WindowImage: Window is not a graphic window.");
    return false;
  }
  t_Window& w = WindowTable[window];
  const int64_t start = hostmicroseconds();
  PixelSurface s;
  {
    // Views and copies read the record on the main thread, whole.
    const auto reading = readslotgeometry();
    if (!w.Initialized) {
      log("t_WindowImage: Graphic window #" + std::to_string(window) + " not initialized.");
      return false;
    }
    if (!w.Visible) return false;
    s = pixelsurface(window);
    if (!isSupportedBitDepth(s.depth)) {
      reportillegaldepth(w);
      return false;
    }
  }
  if (s.data == nullptr) return false;  // the record no longer fits its block
  use(s.stored());
  w.UpdateDuration = hostmicroseconds() - start;
  w.UpdateFinished = hostmilliseconds();
  return true;
}

std::optional<HostImage> t_WindowImage(uint8_t window) {
  std::optional<HostImage> image;
  withwindowpicture(window, [&](const StoredPicture& picture) { image = pictureimage(picture); });
  return image;
}

std::optional<HostImage> t_WindowNSImage(uint8_t window) {
  if (window >= 8 || !t_GetWindowView(window)) return std::nullopt;
  return t_WindowImage(window);
}

}  // namespace vx
