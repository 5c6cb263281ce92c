#pragma once
/// \file
/// Redrawing window views: on request, and periodically by the refresh process
/// at each window's refresh rate.
#include <atomic>
#include <cstdint>

namespace vx {

/// Asks the slot's view to redraw: deferred marks it for the host's next
/// display cycle, otherwise it is drawn at once. Does nothing before the
/// memory is ready; a slot without a view writes
/// "t_WindowUpdate: Window #n view is nil, resource undefined.".
/// \windowtest
void t_WindowUpdate(uint8_t window, bool deferred);

/// True while the refresh process runs; clearing it makes the process end
/// after its current pass.
extern std::atomic<bool> AutoUpdateStarted;
/// How many refresh processes are running right now.
int64_t autoupdateprocesses();

/// Starts the refresh process unless the started flag is already set, and
/// returns once the process has written its first line, so that the line has a
/// fixed place in the log (right after the starting window's first line).
void startautoupdateprocess();

/// The body of the refresh process "t_WindowAutoUpdate".
void t_WindowAutoUpdateProcess();

/// One pass over the eight slots at host time `nowms` (milliseconds): every
/// initialised auto-update window that is not being drawn and whose interval
/// 1000 / RefreshRate has passed since UpdateStarted is served. Serving sets
/// UpdateStarted and marks the view for redrawing if the picture changed since
/// the view was last marked (a hidden window's is not looked at). Answers
/// whether any window was served.
bool autoupdatepass(int64_t nowms);

}  // namespace vx
