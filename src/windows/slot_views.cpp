#include "host/slot_view.h"

#include <algorithm>

#include "runtime/memory.h"
#include "windows/window_image.h"

namespace vx {

// The drawing side of the slot views: whether a host updates a layer or draws
// in a draw call, it shows the slot's window image. Window 0's VerticalBlank
// is false while its image is being built, so the refresh process does not ask
// for another redraw of window 0 in the meantime.
std::optional<HostImage> slotviewimage(int slot) {
  std::optional<HostImage> image;
  drawslotview(slot, [&](const StoredPicture& picture) { image = pictureimage(picture); });
  return image;
}

bool drawslotview(int slot, const std::function<void(const StoredPicture&)>& draw) {
  if (!MemoryReady || slot < 0 || slot >= 8) return false;
  const auto window = static_cast<uint8_t>(slot);
  // A host redraws the views of slots that are not in use as well; that is
  // no call of the program's, so it leaves no diagnostic line.
  if (!WindowTable[window].Initialized) return false;
  if (window != 0) return withwindowpicture(window, draw);
  WindowTable[0].VerticalBlank = false;
  const bool drawn = withwindowpicture(window, draw);
  WindowTable[0].VerticalBlank = true;
  return drawn;
}

// The text lines fill the picture's height evenly (a text window's picture is
// its lines of glyph cells), which the window's size fields tell without
// touching its font.
std::optional<PictureRows> slotcursorrows(int slot) {
  if (!MemoryReady || slot < 0 || slot >= 8) return std::nullopt;
  const t_Window& w = WindowTable[slot];
  if (!w.Initialized || w.TextMemoryStart < 0 || w.TextHeight <= 0) return std::nullopt;
  const int64_t lineheight = w.Height / w.TextHeight;
  const int64_t line = std::clamp<int64_t>(w.TextVpos, 1, w.TextHeight);
  return PictureRows{(line - 1) * lineheight, line * lineheight};
}

HostImage storedpictureimage(const StoredPicture& picture) { return pictureimage(picture); }

}  // namespace vx
