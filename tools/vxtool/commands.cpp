#include "commands.h"

#include "codecs/file_access.h"
#include "runtime/log.h"
#include "vxtools_headless.h"

namespace vxtool {

std::span<const Command> commands() {
  static const Command* const table[] = {&StarCommand, &GrInfoCommand, &GrConvertCommand, &FontInfoCommand,
                                         &FontSheetCommand};
  static const std::vector<Command> list = [] {
    std::vector<Command> all;
    for (const Command* command : table) all.push_back(*command);
    return all;
  }();
  return list;
}

ToolkitSession::ToolkitSession() {
  vx::setlogechoed(false);
  vx::startlogcapture();
  vx::useHeadlessHost();
}

ToolkitSession::~ToolkitSession() { vx::stoplogcapture(); }

std::string ToolkitSession::diagnostics() { return vx::takelogcapture(); }

namespace {

// The toolkit's last diagnostic line without its routine's name
// ("Error #2: No such file or directory").
std::string lastreason(ToolkitSession& session) {
  std::string lines = session.diagnostics();
  while (!lines.empty() && lines.back() == '\n') lines.pop_back();
  const size_t lastline = lines.rfind('\n');
  const std::string last = lastline == std::string::npos ? lines : lines.substr(lastline + 1);
  const size_t colon = last.find(": ");
  return colon == std::string::npos ? last : last.substr(colon + 2);
}

}  // namespace

bool readinputfile(const std::string& path, ToolkitSession& session, Output& io, std::vector<uint8_t>& bytes) {
  session.diagnostics();
  bytes = vx::getbinaryfromfile(path);
  const std::string reason = lastreason(session);
  if (reason.empty()) return true;
  io.error() << "cannot read '" << path << "': " << reason << '\n';
  return false;
}

bool writeoutputfile(const std::string& path, const std::vector<uint8_t>& bytes, ToolkitSession& session,
                     Output& io) {
  session.diagnostics();
  if (vx::setbinarytofile(path, bytes) == 0) return true;
  io.error() << "cannot write '" << path << "': " << lastreason(session) << '\n';
  return false;
}

}  // namespace vxtool
