#include "example_session.h"

#include "hosts/view_input.h"
#include "runtime/app_delegate.h"

namespace vxtest {

std::optional<vx::HostImage> shownimage(vx::HeadlessSession& session, int slot) {
  const auto view = vx::appdelegate.slotview(slot);
  if (!view) return std::nullopt;
  return session.host().viewstate(*view).image;
}

uint32_t rgb(const vx::HostImage& image, int64_t x, int64_t y) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return 0xFFFFFFFFu;
  const size_t at = static_cast<size_t>((y * image.width + x) * 4);
  return static_cast<uint32_t>(image.argb[at + 1]) << 16 | static_cast<uint32_t>(image.argb[at + 2]) << 8 |
         image.argb[at + 3];
}

// The host window's coordinates have their origin at the bottom left, the
// picture's at the top left, inside the window's border.
void click(int slot, int64_t x, int64_t y, bool right) {
  const vx::t_Window& w = vx::WindowTable[static_cast<size_t>(slot)];
  vx::HostMouseEvent event;
  event.windowX = static_cast<double>(w.BorderWidth + x);
  event.windowY = static_cast<double>(w.BorderHeight + w.Height - y);
  event.pressedButtons = right ? 2 : 1;
  vx::delivermousedown(slot, event, right);
  vx::delivermouseup(slot);
}

}  // namespace vxtest
