#pragma once
#include <cstdint>

namespace vx {
// Ends the calling thread (the program thread) after leaving "(Programm Ende)"
// on a fresh line of text window `window`. Never returns; the application and
// its windows keep running.
[[noreturn]] void t_QuitProgram(uint8_t window);
}  // namespace vx
