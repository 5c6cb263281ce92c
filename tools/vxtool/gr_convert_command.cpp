// vxtool gr convert: a graphic file as a PNG, PBM, PGM or PPM picture.
#include "codecs/graphic_import.h"
#include "command.h"
#include "commands.h"
#include "picture_files.h"

namespace vxtool {
namespace {

int rungrconvert(const Arguments& arguments, Output& io) {
  const std::string path = arguments.positional.front();
  const std::string out = arguments.value("out");
  const vxpictures::PictureType type = vxpictures::picturetypeof(out);
  if (type == vxpictures::PictureType::Unknown) {
    io.error() << "--out must name a .png, .pbm, .pgm or .ppm file, not '" << out << "'\n";
    return ExitUsage;
  }
  ToolkitSession session;
  std::vector<uint8_t> bytes;
  if (!readgraphicinput(path, io, bytes)) return ExitFailure;
  // The rows a window stores, which keep one-bit pixels packed: the writers
  // take them as they are.
  const vx::GraphicReading picture = vx::readgraphicrows(bytes);
  if (!picture.ok()) {
    io.error() << path << ": " << picture.Message << '\n';
    return ExitFailure;
  }
  std::vector<uint8_t> file;
  std::string problem;
  if (!vxpictures::picturebytes(picture.Graphic, type, file, problem)) {
    io.error() << path << ": " << problem << '\n';
    return ExitFailure;
  }
  return writeoutputfile(out, file, session, io) ? ExitOk : ExitFailure;
}

constexpr Option ConvertOptions[] = {
    {"out", "OUT", "the picture to write: .png, .pbm, .pgm or .ppm", true},
};

}  // namespace

const Command GrConvertCommand{
    .words = "gr convert",
    .operands = "FILE",
    .operandcount = 1,
    .summary = "convert a .gr graphic file to a PNG, PBM, PGM or PPM picture",
    .options = ConvertOptions,
    .details = "The extension of OUT chooses the type. PNG keeps one-bit pictures one-bit, four-bit\n"
               "pictures with the toolkit's palette, and the alpha of 16- and 32-bit pictures. PBM takes\n"
               "black-and-white pictures only; PGM turns colours grey as the toolkit does, (red + green\n"
               "+ blue) / 3; PBM, PGM and PPM drop alpha. Nothing is written for a file that cannot be\n"
               "read: the picture is decoded and made whole before OUT is replaced.",
    .run = rungrconvert,
};

}  // namespace vxtool
