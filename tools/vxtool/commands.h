#pragma once
// The commands vxtool knows, one per file, and what they share.
#include <string>

#include "command.h"

namespace vxtool {

extern const Command StarCommand;

// The toolkit on the headless host for the length of a command. Its
// diagnostic lines are kept out of the command's output; `diagnostics` hands
// over what was logged, for a command that wants to report it.
class ToolkitSession {
 public:
  ToolkitSession();
  ~ToolkitSession();
  ToolkitSession(const ToolkitSession&) = delete;
  ToolkitSession& operator=(const ToolkitSession&) = delete;
  std::string diagnostics();
};

}  // namespace vxtool
