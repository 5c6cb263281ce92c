#pragma once
/// \file
/// The control codes a text window carries out.
#include <cstdint>

namespace vx {
/// Carries out control code `code` (7..31) in a text window: beep, cursor
/// movement, clearing, scrolling, inverse and display modes. Codes below 7 and
/// 9, 16, 21 and 24 do nothing. Output routed to standard output receives the
/// code itself instead.
/// \windowtest
void t_PrintControl(uint8_t window, uint32_t code);
}  // namespace vx
