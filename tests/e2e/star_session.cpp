#include "star_session.h"

#include "console/screen_text.h"
#include "events/event_state.h"
#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/star_pattern.h"
#include "runtime/memory.h"
#include "windows/window_init.h"

namespace vxtest {

std::string bundleresources() { return VX_TEST_BUNDLE_RESOURCES; }

vx::HeadlessRunOptions sessionoptions() {
  vx::HeadlessRunOptions options;
  options.resourceDirectory = bundleresources();
  options.echoLog = false;
  return options;
}

std::string textscreen() {
  if (!vx::WaitingForKey) return {};
  return textscreenafterend();
}

std::string textscreenafterend() {
  if (!vx::MemoryReady || !vx::WindowTable[0].Initialized) return {};
  return vx::t_GetScreen(0, "\r");
}

size_t textscreencount(const std::string& text) { return occurrences(textscreen(), text); }

std::vector<uint8_t> windowpixels(uint8_t window, int64_t diameter) {
  std::vector<uint8_t> pixels;
  pixels.reserve(static_cast<size_t>(diameter * diameter));
  for (int64_t y = 0; y < diameter; ++y)
    for (int64_t x = 0; x < diameter; ++x)
      pixels.push_back(static_cast<uint8_t>(vx::g_Scrn(window, x, y)));
  return pixels;
}

std::vector<uint8_t> imageindices(const vx::HostImage& image) {
  std::vector<uint8_t> indices;
  for (size_t at = 1; at < image.argb.size(); at += 4) indices.push_back(image.argb[at] == 255 ? 15 : 0);
  return indices;
}

std::vector<uint8_t> referencestar(uint8_t scratch, int64_t diameter, int64_t segments) {
  vx::t_InitWindow(scratch, 1, false, diameter, diameter, 5, 5, vx::t_Font{}, true);
  vx::t_Color(scratch, 0, 15);
  vx::g_ClearScreen(scratch, 15, -1);
  vx::g_DrawVelmorandineReference(scratch, 0, 0, diameter - 1, diameter - 1, segments);
  return windowpixels(scratch, diameter);
}

}  // namespace vxtest
