#pragma once
/// \file
/// The diagnostic log. Every diagnostic line of the toolkit goes through here to
/// standard output. A line may be written in pieces (terminator ""); each call
/// is one whole write, so pieces from different threads never mix inside a write.
#include <string>
#include <string_view>

namespace vx {

/// Writes `text` and `terminator` as one diagnostic line (or one piece of a
/// line, with terminator "") in one whole write.
void log(std::string_view text, std::string_view terminator = "\n");

/// Tests and tools can keep a copy of everything logged from now on.
void startlogcapture();
std::string takelogcapture();  ///< returns what was captured and clears it
/// Ends the copy that startlogcapture began and discards it.
void stoplogcapture();
/// Whether the log is also echoed to standard output (on by default).
void setlogechoed(bool echoed);

}  // namespace vx
