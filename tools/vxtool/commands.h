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

// A graphic file's bytes, read only after its header is checked and only when
// the file is no longer than that header allows; false after a message naming
// the file and the problem (a folder, device or pipe is refused unread).
bool readgraphicinput(const std::string& path, Output& io, std::vector<uint8_t>& bytes);
// A font file's bytes, no more than a font can use; false after a message that
// names the problem in a user's words: an empty file, one that is no font file
// or is cut short inside its header. The session's lines so far are dropped,
// so that what it logs next is about this file.
bool readfontinput(const std::string& path, ToolkitSession& session, Output& io, std::vector<uint8_t>& bytes);
// Writes the file whole: a temporary file beside it is renamed over it once
// complete, so a failed write leaves nothing half written. False after a message.
bool writeoutputfile(const std::string& path, const std::vector<uint8_t>& bytes, ToolkitSession& session,
                     Output& io);

}  // namespace vxtool
