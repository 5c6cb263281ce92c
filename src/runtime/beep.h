#pragma once
/// \file
/// The host's beep.
namespace vx {
/// Sounds the host's beep and returns at once; a beep that is still sounding is
/// not restarted and beeps do not queue.
void t_Beep();
}  // namespace vx
