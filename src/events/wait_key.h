#pragma once
/// \file
/// Waiting for the next key.
#include <cstdint>
#include <string>

namespace vx {
/// Waits for the next key event, with the text cursor of `window` shown while
/// it waits, and answers its character (U+0000 for a value that is no Unicode
/// scalar).
/// \windowtest
std::string t_WaitKey(uint8_t window);
}  // namespace vx
