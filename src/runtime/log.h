#pragma once
// The diagnostic log. Every diagnostic line of the toolkit goes through here.
// A line may be written in pieces (terminator ""); each call is one whole
// write, so pieces from different threads never mix inside a write.
//
// Where the lines go: standard output unless the user or the program says
// otherwise. The environment variable VXTOOLS_LOG, read at the first line,
// chooses without a rebuild: "off" (nothing), "stderr", "stdout", or the path
// of a file the lines are appended to. A program's own sink (setlogsink)
// takes precedence over the variable.
#include <functional>
#include <string>
#include <string_view>

namespace vx {

void log(std::string_view text, std::string_view terminator = "\n");

// Receives each write of the log: a whole line with its terminator, or a piece
// of one. Called with the log's lock held, from whichever thread logged: it
// must not log itself, and should be quick.
using LogSink = std::function<void(std::string_view piece)>;

// Routes the diagnostic lines to `sink`; an empty sink silences them.
void setlogsink(LogSink sink);
// Back to where VXTOOLS_LOG says, or standard output.
void resetlogsink();

// Tests and tools can keep a copy of everything logged from now on.
void startlogcapture();
std::string takelogcapture();  // returns what was captured and clears it
void stoplogcapture();
// Whether the log is also written to its destination (on by default); tools
// and tests that capture the log turn this off.
void setlogechoed(bool echoed);

}  // namespace vx
