#pragma once
/// \file
/// The picture of a window slot as a 32-bit image (Alpha, Red, Green, Blue,
/// every pixel opaque), built anew from the slot's memory at each call.
#include <cstdint>
#include <functional>
#include <optional>

#include "runtime/types.h"

namespace vx {

/// The slot's picture as an opaque 32-bit image. None when the memory is not ready, the window is hidden or not initialised.
/// Records the build time in UpdateDuration and the finish in UpdateFinished.
std::optional<HostImage> t_WindowImage(uint8_t window);
/// The opaque 32-bit image of a stored picture.
HostImage pictureimage(const StoredPicture& picture);
/// Runs `use` with the window's stored picture where t_WindowImage would build
/// an image of it (with the same lines where it would not), and records the
/// time `use` took in UpdateDuration and UpdateFinished as the image does. For
/// a host that converts only part of the picture, or keeps it compact. Answers
/// whether `use` ran.
bool withwindowpicture(uint8_t window, const std::function<void(const StoredPicture&)>& use);
/// The image as the host's image object (what the pasteboard takes); none also
/// when the slot has no view.
std::optional<HostImage> t_WindowNSImage(uint8_t window);

/// Milliseconds of the host clock, cut toward zero.
int64_t hostmilliseconds();
int64_t hostmicroseconds();  ///< microseconds of the host clock, cut toward zero

}  // namespace vx
