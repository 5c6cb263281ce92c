#pragma once
// The test every console call makes before it touches a window: the number
// must name a slot, the memory must be ready and the slot initialised, and
// most calls also need the slot's text video memory. A failed test logs the
// caller's line and answers null.
#include <cstdint>
#include <string_view>

#include "runtime/window_record.h"

namespace vx {

enum class ConsoleNeeds { InitializedSlot, TextMemory };

t_Window* consolewindow(std::string_view caller, uint8_t window, ConsoleNeeds needs);

void lognotgraphicwindow(std::string_view caller);
void lognotinitialized(std::string_view caller, uint8_t window);

}  // namespace vx
