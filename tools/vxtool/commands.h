#pragma once
// The commands vxtool knows, one per file, and what they share.
#include <cstdint>
#include <string>
#include <vector>

#include "command.h"

namespace vxtool {

extern const Command StarCommand;
extern const Command GrInfoCommand;
extern const Command GrConvertCommand;
extern const Command FontInfoCommand;
extern const Command FontSheetCommand;

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

// The whole file at `path`; false after a message that names it.
bool readinputfile(const std::string& path, ToolkitSession& session, Output& io, std::vector<uint8_t>& bytes);
// Writes the file whole: a temporary file beside it is renamed over it once
// complete, so a failed write leaves nothing half written. False after a message.
bool writeoutputfile(const std::string& path, const std::vector<uint8_t>& bytes, ToolkitSession& session,
                     Output& io);

}  // namespace vxtool
