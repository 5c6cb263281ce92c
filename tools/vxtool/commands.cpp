#include "commands.h"

#include <algorithm>
#include <iterator>

#include "codecs/file_access.h"
#include "codecs/graphic_import.h"
#include "console/font_resource.h"
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

// The toolkit's last diagnostic line without its routine's name and error
// number: "No space left on device" of "setbinarytofile: Error #28: No space
// left on device".
std::string lastreason(ToolkitSession& session) {
  std::string lines = session.diagnostics();
  while (!lines.empty() && lines.back() == '\n') lines.pop_back();
  const size_t lastline = lines.rfind('\n');
  std::string last = lastline == std::string::npos ? lines : lines.substr(lastline + 1);
  if (const size_t colon = last.find(": "); colon != std::string::npos) last.erase(0, colon + 2);
  if (last.rfind("Error #", 0) == 0) {
    const size_t colon = last.find(": ");
    if (colon != std::string::npos) last.erase(0, colon + 2);
  }
  return last;
}

constexpr int64_t GraphicHeaderLength = 16;

// Why a font file's bytes hold no font, in a user's words; empty when they do.
std::string fontfileproblem(const std::vector<uint8_t>& bytes) {
  static constexpr uint8_t fonttype[] = {'v', 'x', 'f', 'n'};
  if (bytes.empty()) return "the file is empty";
  if (bytes.size() < 5 || !std::equal(std::begin(fonttype), std::end(fonttype), bytes.begin() + 1))
    return "this is not a font file (it does not begin with a font header, \"vxfn\")";
  if (bytes.size() < bytes[0])
    return "the font file is cut short: its header takes " + std::to_string(bytes[0]) + " bytes, the file holds " +
           std::to_string(bytes.size());
  return {};
}

}  // namespace

bool readgraphicinput(const std::string& path, Output& io, std::vector<uint8_t>& bytes) {
  vx::RegularFile file(path);
  bytes.clear();
  if (!file.read(GraphicHeaderLength, bytes)) {
    io.error() << "cannot read '" << path << "': " << file.problem() << '\n';
    return false;
  }
  const vx::GraphicReading header = vx::graphicfromfilebytes(bytes);
  if (!header.ok()) {
    io.error() << path << ": " << header.Message << '\n';
    return false;
  }
  const int64_t limit = vx::graphicfilelimit(header.Graphic);
  if (file.size() > limit) {
    io.error() << path << ": the file holds " << file.size() << " bytes, more than a graphic of "
               << header.Graphic.Width << " x " << header.Graphic.Height << " pixels in format "
               << header.Graphic.Format << " can (" << limit << " bytes)\n";
    return false;
  }
  if (!file.read(file.size() - GraphicHeaderLength, bytes)) {
    io.error() << "cannot read '" << path << "': " << file.problem() << '\n';
    return false;
  }
  return true;
}

bool readfontinput(const std::string& path, ToolkitSession& session, Output& io, std::vector<uint8_t>& bytes) {
  session.diagnostics();
  std::string problem;
  bool toolarge = false;
  if (!vx::readregularfile(path, vx::FontFileLimit, bytes, problem, toolarge)) {
    io.error() << (toolarge ? path + " is too large for a font file: " : "cannot read '" + path + "': ") << problem
               << '\n';
    return false;
  }
  if (const std::string unusable = fontfileproblem(bytes); !unusable.empty()) {
    io.error() << path << ": " << unusable << '\n';
    return false;
  }
  return true;
}

bool writeoutputfile(const std::string& path, const std::vector<uint8_t>& bytes, ToolkitSession& session,
                     Output& io) {
  session.diagnostics();
  if (vx::setbinarytofile(path, bytes) == 0) return true;
  io.error() << "cannot write '" << path << "': " << lastreason(session) << '\n';
  return false;
}

}  // namespace vxtool
