#pragma once
// Text on its way to the desktop's clipboard. The toolkit ends its lines with
// CR, as its own text is kept; programs on this desktop expect LF, and show a
// CR-only text as one long line.
#include <string>

namespace vx::qt {

// Every CR, and every CR LF pair, becomes one LF; the rest stays as it is.
std::string withlinefeeds(const std::string& text);

}  // namespace vx::qt
