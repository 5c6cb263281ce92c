// vxtool font sheet: a picture of every glyph of a font, sixteen to a row,
// dark ink on white as the grey levels say.
#include "codecs/file_access.h"
#include "command.h"
#include "commands.h"
#include "console/font_resource.h"
#include "font_lookup.h"
#include "picture_files.h"
#include "png_writer.h"

namespace vxtool {
namespace {

constexpr uint32_t Columns = 16;
constexpr uint8_t GridGrey = 128;   // the lines between cells
constexpr uint8_t AbsentGrey = 208; // cells of codes the font does not draw

struct Sheet {
  uint32_t firstrow, rows, cellwidth, cellheight;
  uint32_t width() const { return Columns * (cellwidth + 1) + 1; }
  uint32_t height() const { return rows * (cellheight + 1) + 1; }
};

void drawcell(const vx::t_Font& font, const Sheet& sheet, uint32_t code, uint32_t scale,
              vxpictures::PngPicture& picture) {
  const uint32_t row = code / Columns - sheet.firstrow;
  const size_t left = 1 + (code % Columns) * (sheet.cellwidth + 1);
  const size_t top = 1 + row * (sheet.cellheight + 1);
  const auto glyphbytes = static_cast<size_t>(font.Width * font.Height);
  const bool drawn = code >= font.Start && code <= font.End && (code + 1) * glyphbytes <= font.Data.size();
  for (uint32_t y = 0; y < sheet.cellheight; ++y) {
    for (uint32_t x = 0; x < sheet.cellwidth; ++x) {
      const size_t level = code * glyphbytes + (y / scale) * static_cast<size_t>(font.Width) + x / scale;
      picture.rows[(top + y) * picture.width + left + x] =
          drawn ? static_cast<uint8_t>(255 - font.Data[level]) : AbsentGrey;
    }
  }
}

Sheet sheetof(const vx::t_Font& font, uint32_t scale) {
  return {font.Start / Columns, font.End / Columns - font.Start / Columns + 1,
          static_cast<uint32_t>(font.Width) * scale, static_cast<uint32_t>(font.Height) * scale};
}

vxpictures::PngPicture sheetpicture(const vx::t_Font& font, uint32_t scale) {
  const Sheet sheet = sheetof(font, scale);
  vxpictures::PngPicture picture{sheet.width(), sheet.height(), vxpictures::PngForm::Grey, {}, {}};
  picture.rows.assign(static_cast<size_t>(picture.width) * picture.height, GridGrey);
  for (uint32_t code = sheet.firstrow * Columns; code < (sheet.firstrow + sheet.rows) * Columns; ++code)
    drawcell(font, sheet, code, scale, picture);
  return picture;
}

// Why a font cannot be drawn, or empty.
std::string undrawable(const vx::t_Font& font) {
  if (font.Data.empty()) return "the font has no glyph data";
  if (font.Width < 1 || font.Height < 1) return "the glyphs have no size";
  if (font.End < font.Start) return "the font draws no characters: its last code is below its first";
  return {};
}

// A sheet of more pixels than this is refused rather than made.
constexpr uint64_t LargestSheet = uint64_t{1} << 28;

int runfontsheet(const Arguments& arguments, Output& io) {
  const std::string path = fontpath(arguments.positional.front(), installedfontfolders());
  const std::string out = arguments.value("out");
  if (vxpictures::picturetypeof(out) != vxpictures::PictureType::Png) {
    io.error() << "--out must name a .png file, not '" << out << "'\n";
    return ExitUsage;
  }
  long long scale = 2;
  if (arguments.has("scale") && !integeroption(arguments, "scale", 1, 8, scale, io)) return ExitUsage;
  ToolkitSession session;
  std::vector<uint8_t> bytes;
  if (!readfontinput(path, session, io, bytes)) return ExitFailure;
  const vx::t_Font font = vx::t_ExpandFont(vx::fontfromfilebytes(bytes, vx::filenameofpath(path)));
  const std::string refusal = session.diagnostics();
  const std::string problem = refusal.empty() ? undrawable(font) : refusal.substr(0, refusal.size() - 1);
  if (!problem.empty()) {
    io.error() << path << ": " << problem << '\n';
    return ExitFailure;
  }
  const Sheet sheet = sheetof(font, static_cast<uint32_t>(scale));
  if (static_cast<uint64_t>(sheet.width()) * sheet.height() > LargestSheet) {
    io.error() << path << ": a sheet of " << sheet.width() << " x " << sheet.height()
               << " pixels is too large; choose a smaller --scale\n";
    return ExitFailure;
  }
  std::vector<uint8_t> file;
  std::string error;
  if (!vxpictures::pngbytes(sheetpicture(font, static_cast<uint32_t>(scale)), file, error)) {
    io.error() << path << ": " << error << '\n';
    return ExitFailure;
  }
  return writeoutputfile(out, file, session, io) ? ExitOk : ExitFailure;
}

constexpr Option SheetOptions[] = {
    {"out", "OUT.png", "the picture to write", true},
    {"scale", "N", "each glyph pixel as N x N picture pixels, 1 to 8 (2 if not given)"},
};

}  // namespace

const Command FontSheetCommand{
    .words = "font sheet",
    .operands = "FILE",
    .operandcount = 1,
    .summary = "draw every glyph of a .font file into a PNG picture",
    .options = SheetOptions,
    .details = "Sixteen glyphs to a row, from the row of the font's first code to the row of its\n"
               "last, dark ink on white; cells of codes the font does not draw are light grey.",
    .run = runfontsheet,
};

}  // namespace vxtool
