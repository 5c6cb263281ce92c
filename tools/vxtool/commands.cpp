#include "commands.h"

#include "runtime/log.h"
#include "vxtools_headless.h"

namespace vxtool {

std::span<const Command> commands() {
  static const Command* const table[] = {&StarCommand};
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

}  // namespace vxtool
