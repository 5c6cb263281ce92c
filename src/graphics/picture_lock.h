#pragma once
// A window's picture as a whole. Each drawing call (g_ClearScreen, g_Plot,
// g_Line, g_DrawVelmorandine) holds its window's picture lock for as long as
// it writes the picture, and a capture (g_GetScreenRect, what "Grafik
// sichern" saves) for as long as it copies it: a save chosen while a star is
// being drawn waits for the star to be finished and never keeps half of one.
// Views and the refresh do not take it; they may show a picture halfway.
#include <cstdint>
#include <mutex>

namespace vx {

// For slots 0..7; a drawing call may call another one on the same thread.
std::unique_lock<std::recursive_mutex> lockpicture(uint8_t slot);

}  // namespace vx
