#pragma once
/// \file
/// Turning a window slot into a working graphic or text window.
#include <cstdint>
#include <string>

#include "runtime/window_record.h"

namespace vx {

/// The number of the first window ever given to t_InitWindow (255 before).
extern uint8_t firstwindow;

/// Makes slot `window` (0..7) a window: the general form. width x height pixels at `bitdepth` (1, 4, 8, 16, 24 or
/// 32); sizes outside 32..8192 and widths that do not fill whole bytes are
/// corrected with a diagnostic line. A font with Data makes a text window with
/// width / font Width columns and height / font Height lines. Borders are in
/// points; a negative one is derived from the screen width and height.
/// @par When it fails
/// A number above 7 gives "t_InitWindow: Window is not a graphic window.";
/// an unsupported depth, too little video memory or a slot without a view
/// give their "t_InitWindow: GraphicWindow #n ..." lines, and the slot is
/// left uninitialised.
/// \windowtest
void t_InitWindow(uint8_t window, int64_t bitdepth, bool autoupdate, int64_t width, int64_t height,
                  int64_t borderwidth, int64_t borderheight, const t_Font& font, bool titlevisible);
/// The text form: loads the font file `fontname` from the resources and makes
/// a refreshed, titled window of columns x lines cells; a font that cannot be
/// read gives "t_InitWindow: Font 'name' not found." and no window.
/// \windowtest
void t_InitWindow(uint8_t window, int64_t bitdepth, int64_t columns, int64_t lines, int64_t border,
                  const std::string& fontname);

/// Clears the window's memory: every picture byte 0, every text cell a space
/// in the window's TextColor. A number above 7 or a slot without video memory
/// is left alone, silently.
/// \windowtest
void t_ClearWindowMemory(uint8_t window);

/// The title a window gets from the bundle name "X.app": X for a text window,
/// "X-Grafik" for one without text memory; other names stay as they are.
std::string windowtitlefor(const std::string& bundlepath, bool hastextmemory);

}  // namespace vx
