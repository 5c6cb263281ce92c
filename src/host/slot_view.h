#pragma once
// The drawing side of the eight slot views. A host calls these on the main
// thread whenever it redraws the view of slot `slot`.
#include <functional>
#include <optional>

#include "runtime/types.h"

namespace vx {

// The picture to show in the view's drawing rectangle, or none to show
// nothing new.
std::optional<HostImage> slotviewimage(int slot);

// For a host that converts only the part of the picture it shows: runs `draw`
// with the slot's stored picture, the view being drawn meanwhile just as while
// slotviewimage builds its image. Answers false, without running `draw`,
// where slotviewimage would answer none.
bool drawslotview(int slot, const std::function<void(const StoredPicture&)>& draw);

// The picture rows [top, bottom) of the text cursor's line in a slot that
// shows text, so that a view too small for the picture can keep the line in
// sight; none for a slot without text.
struct PictureRows {
  int64_t top = 0;
  int64_t bottom = 0;
};
std::optional<PictureRows> slotcursorrows(int slot);

// The opaque 32-bit image of a stored picture, for a host that needs one.
HostImage storedpictureimage(const StoredPicture& picture);

}  // namespace vx
