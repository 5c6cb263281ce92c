#include "support/test_support.h"

namespace vxtest {

LogCapture::LogCapture() {
  vx::setlogechoed(false);
  vx::startlogcapture();
}

LogCapture::~LogCapture() {
  vx::stoplogcapture();
  vx::setlogechoed(true);
}

std::string LogCapture::take() { return vx::takelogcapture(); }

bool pumpuntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  return vx::useHeadlessHost().pumpuntil(done, timeout);
}

}  // namespace vxtest
