#pragma once
// Text on its way to a system's clipboard or into a host's text view. The
// toolkit ends its lines with CR, as its own text is kept; the programs of a
// Linux desktop and of a web browser expect LF, and show a CR-only text as
// one long line.
#include <string>

namespace vx {

// Every CR, and every CR LF pair, becomes one LF; the rest stays as it is.
std::string withlinefeeds(const std::string& text);

}  // namespace vx
