#pragma once
// The window test at the head of every graphics call.
#include <cstdint>

namespace vx {
// False, after the call's diagnostic line, when `window` is no slot or the
// slot holds no window yet.
bool graphicwindowready(const char* name, uint8_t window);
}  // namespace vx
