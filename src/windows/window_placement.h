#pragma once
/// \file
/// Moving, sizing, titling, showing and hiding the host windows behind window
/// numbers (0..7 the slots, 8 pasteboard, 9 virtual printer, 10 system
/// console, 11 preferences, 12 main window). Host coordinates are points with
/// the origin at the bottom left of the screen, y upward.
///
/// Each call takes any window number; for a number without a host window
/// (another number, or a slot not yet made) it writes "<call>: Window does
/// not exist." and does nothing (t_WindowTitle then answers "").
#include <cstdint>
#include <string>

namespace vx {

/// Centres the window on its screen.
void t_WindowCenter(uint8_t window);
/// Shows the window, makes it key and orders it to the front.
void t_WindowFront(uint8_t window);
/// Shows or hides the window. The pasteboard window shows the pasteboard's
/// text when shown; a fixed text window without its text view writes
/// "t_WindowVisible: ... window is nil, resource undefined." and beeps.
void t_WindowVisible(uint8_t window, bool visible);
/// Sets the window's title; off the main thread the new title is handed over
/// without waiting.
void t_WindowTitle(uint8_t window, const std::string& title);
/// The window's title.
std::string t_WindowTitle(uint8_t window);
/// A title bar with close and miniaturise buttons, or a borderless window; the
/// host frame keeps its size.
void t_WindowTitleVisible(uint8_t window, bool visible);
/// Places the window at host position (x, y) with content size width x height;
/// each argument -1 keeps the present value. A slot's view shows its picture
/// scaled to width x height; the picture's own size stays. A slot that is
/// not initialised writes "t_WindowSize: Window #n not initialized.".
void t_WindowSize(uint8_t window, int64_t x, int64_t y, int64_t width, int64_t height);

}  // namespace vx
