#pragma once
// Moving, sizing, titling, showing and hiding the host windows behind window
// numbers (0..7 the slots, 8 pasteboard, 9 virtual printer, 10 system
// console, 11 preferences, 12 main window). Host coordinates are points with
// the origin at the bottom left of the screen, y upward.
#include <cstdint>
#include <string>

namespace vx {

void t_WindowCenter(uint8_t window);
// Shows the window, makes it key and orders it to the front.
void t_WindowFront(uint8_t window);
void t_WindowVisible(uint8_t window, bool visible);
// Off the main thread the new title is handed over without waiting.
void t_WindowTitle(uint8_t window, const std::string& title);
std::string t_WindowTitle(uint8_t window);
// A title bar with close and miniaturise buttons, or a borderless window; the
// host frame keeps its size.
void t_WindowTitleVisible(uint8_t window, bool visible);
// Places the window at host position (x, y) with content size width x height;
// each argument -1 keeps the present value. A slot's view shows its picture
// scaled to width x height; the picture's own size stays.
void t_WindowSize(uint8_t window, int64_t x, int64_t y, int64_t width, int64_t height);

}  // namespace vx
