#pragma once
/// \file
/// The output pause (Ctrl-S) of text output.
#include <cstdint>

namespace vx {
/// The output pause: when the most recent queued key has the value `value`
/// (19, Ctrl-S), every queued key is discarded and, if `wait` is set, output
/// waits until another key or a menu event arrives; that key is taken and so
/// never reaches later readers. Answers whether output was paused.
bool t_CheckPause(int64_t value, bool wait);
}  // namespace vx
