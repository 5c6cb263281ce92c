#pragma once
/// \file
/// The diagnostic log. Every diagnostic line of the toolkit goes through here.
/// A line may be written in pieces (terminator ""); each call is one whole
/// write, so pieces from different threads never mix inside a write.
///
/// Where the lines go: standard output unless the user or the program says
/// otherwise. The environment variable VXTOOLS_LOG, read at the first line,
/// chooses without a rebuild: "off" (nothing), "stderr", "stdout", or the path
/// of a file the lines are appended to (one that cannot be opened is said on
/// standard error, and the lines stay on standard output). A program's own
/// sink (setlogsink) takes precedence over the variable.
#include <functional>
#include <string>
#include <string_view>

namespace vx {

/// Writes `text` and `terminator` as one diagnostic line (or one piece of a
/// line, with terminator "") in one whole write.
void log(std::string_view text, std::string_view terminator = "\n");

/// Receives each write of the log: a whole line with its line end, or a piece
/// of one, its text unchanged. Called with the log's lock held, from whichever
/// thread logged: it must not log itself, and should be quick.
using LogSink = std::function<void(std::string_view piece)>;

/// Routes the diagnostic lines to `sink` instead of their destination; an
/// empty sink silences them.
void setlogsink(LogSink sink);
/// Routes the lines back to where VXTOOLS_LOG says, or to standard output.
void resetlogsink();

/// Tests and tools can keep a copy of everything logged from now on.
void startlogcapture();
std::string takelogcapture();  ///< returns what was captured and clears it
/// Ends the copy that startlogcapture began and discards it.
void stoplogcapture();
/// Whether the log is also written to its destination (on by default); tools
/// and tests that capture the log turn this off.
void setlogechoed(bool echoed);

}  // namespace vx
