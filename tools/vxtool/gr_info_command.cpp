// vxtool gr info: a graphic file's header, what its format is, and how well
// its data compresses the picture; the data is decoded to make sure it is whole.
#include <cstdio>

#include "codecs/graphic_formats.h"
#include "codecs/graphic_import.h"
#include "command.h"
#include "commands.h"

namespace vxtool {
namespace {

std::string identifiertext(const std::vector<uint8_t>& identifier) { return {identifier.begin(), identifier.end()}; }

// The picture in its window's own bits against the data: "9.31 : 1".
std::string compression(const vx::t_Graphic& g) {
  const int64_t depth = vx::graphicwindowdepth(vx::graphicbaseformat(g.Format));
  const int64_t picture = (g.Size * depth + 7) / 8;
  const std::string against = " against " + std::to_string(picture) + " bytes at " + std::to_string(depth) +
                              (depth == 1 ? " bit" : " bits") + " per pixel";
  if (g.Data.empty()) return "none, there is no data" + against;
  char ratio[32];
  std::snprintf(ratio, sizeof ratio, "%.2f : 1", static_cast<double>(picture) / static_cast<double>(g.Data.size()));
  return ratio + against;
}

void printheader(const vx::t_Graphic& g, std::ostream& out) {
  out << "header size:  " << g.HeaderSize << '\n'
      << "identifier:   " << identifiertext(g.Identifier) << '\n'
      << "format:       " << g.Format << ' ' << vx::graphicformatname(g.Format) << '\n'
      << "size:         " << g.Size << '\n'
      << "width:        " << g.Width << '\n'
      << "height:       " << g.Height << '\n'
      << "parameters:   " << g.ParamHigh << ' ' << g.ParamLow << '\n'
      << "reserved:     " << g.Reserved << '\n'
      << "pixel count:  " << g.Width * g.Height << '\n'
      << "data size:    " << g.Data.size() << " bytes\n"
      << "compression:  " << compression(g) << '\n';
}

int rungrinfo(const Arguments& arguments, Output& io) {
  const std::string path = arguments.positional.front();
  ToolkitSession session;
  std::vector<uint8_t> bytes;
  if (!readgraphicinput(path, io, bytes)) return ExitFailure;
  const vx::GraphicReading stored = vx::graphicfromfilebytes(bytes);
  if (!stored.ok()) {
    io.error() << path << ": " << stored.Message << '\n';
    return ExitFailure;
  }
  printheader(stored.Graphic, io.out);
  // Decoded into the rows a window stores, one-bit pixels packed, only to see
  // that the data gives the picture.
  const vx::GraphicReading decoded = vx::readgraphicrows(bytes);
  if (!decoded.ok()) {
    io.error() << path << ": " << decoded.Message << '\n';
    return ExitFailure;
  }
  return ExitOk;
}

}  // namespace

const Command GrInfoCommand{
    .words = "gr info",
    .operands = "FILE",
    .operandcount = 1,
    .summary = "describe a .gr graphic file: its header, format, size and compression",
    .options = {},
    .details = "The data is decoded as well; a file whose data does not give its picture is\n"
               "reported on standard error, after the header, with exit status 1.",
    .run = rungrinfo,
};

}  // namespace vxtool
