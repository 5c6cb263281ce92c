#pragma once
// Helpers shared by the tests.
#include <chrono>
#include <functional>
#include <string>

#include "vxtools.h"
#include "vxtools_headless.h"

namespace vxtest {

// Captures the diagnostic log for the lifetime of the object (not echoed).
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  std::string take();  // what was logged since the last take
};

// Waits on the headless host's task loop until `done` holds (30 s at most).
bool pumpuntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(30));

}  // namespace vxtest
