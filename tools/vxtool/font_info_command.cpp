// vxtool font info: a font file's header and what its glyph data holds.
#include "codecs/file_access.h"
#include "command.h"
#include "commands.h"
#include "console/font_resource.h"
#include "font_lookup.h"

namespace vxtool {
namespace {

std::string formatmeaning(int64_t format) {
  switch (format) {
    case vx::FontFormatPlain: return "uncompressed, not grey";
    case vx::FontFormatGrey: return "grey, one byte per pixel";
    case vx::FontFormatPlainCompressed: return "LZW-compressed, not grey";
    case vx::FontFormatGreyCompressed: return "LZW-compressed grey";
    default: return "not a font format";
  }
}

void printheader(const vx::t_Font& font, std::ostream& out) {
  out << "header size:   " << font.HeaderSize << '\n'
      << "identifier:    " << std::string(font.Identifier.begin(), font.Identifier.end()) << '\n'
      << "format:        " << font.Format << ' ' << formatmeaning(font.Format) << '\n'
      << "size:          " << font.Size << '\n'
      << "characters:    " << int{font.Start} << " to " << int{font.End} << '\n'
      << "glyph size:    " << font.Width << " x " << font.Height << " pixels\n"
      << "reserved:      " << font.Reserved << '\n'
      << "data in file:  " << font.Data.size() << " bytes\n";
}

// Printing draws grey glyphs of the codes up to End, each Width x Height bytes from code 0 on.
void printglyphs(const vx::t_Font& font, std::ostream& out) {
  const int64_t glyph = font.Width * font.Height;
  const int64_t needed = (int64_t{font.End} + 1) * glyph;
  out << "glyph data:    " << font.Data.size() << " bytes";
  if (glyph > 0) out << ", " << static_cast<int64_t>(font.Data.size()) / glyph << " glyphs";
  out << '\n' << "printable:     ";
  if (font.Format != vx::FontFormatGrey) {
    out << "no, printing draws grey fonts only\n";
  } else if (font.Data.empty() || glyph == 0) {
    out << "no, there are no glyphs\n";
  } else if (static_cast<int64_t>(font.Data.size()) < needed) {
    out << "no, codes up to " << int{font.End} << " need " << needed << " bytes\n";
  } else {
    out << "yes\n";
  }
}

// A font whose glyph data ends before the glyphs its header promises: a file
// cut short. Empty for a whole font.
std::string cutshort(const vx::t_Font& font) {
  if (font.Format != vx::FontFormatGrey && font.Format != vx::FontFormatPlain) return {};
  const int64_t needed = (int64_t{font.End} + 1) * font.Width * font.Height;
  const auto held = static_cast<int64_t>(font.Data.size());
  if (held >= needed) return {};
  return "the font is cut short: its glyphs for codes up to " + std::to_string(int{font.End}) + " need " +
         std::to_string(needed) + " bytes of glyph data, the file gives " + std::to_string(held);
}

int runfontinfo(const Arguments& arguments, Output& io) {
  const std::string path = fontpath(arguments.positional.front(), installedfontfolders());
  ToolkitSession session;
  std::vector<uint8_t> bytes;
  if (!readfontinput(path, session, io, bytes)) return ExitFailure;
  const vx::t_Font font = vx::fontfromfilebytes(bytes, vx::filenameofpath(path));
  if (const std::string refusal = session.diagnostics(); !refusal.empty()) {
    io.error() << path << ": " << refusal;
    return ExitFailure;
  }
  printheader(font, io.out);
  const vx::t_Font expanded = vx::t_ExpandFont(font);
  if (const std::string refusal = session.diagnostics(); !refusal.empty()) {
    io.error() << path << ": the glyph data cannot be expanded: " << refusal;
    return ExitFailure;
  }
  printglyphs(expanded, io.out);
  if (const std::string shortfall = cutshort(expanded); !shortfall.empty()) {
    io.error() << path << ": " << shortfall << '\n';
    return ExitFailure;
  }
  return ExitOk;
}

}  // namespace

const Command FontInfoCommand{
    .words = "font info",
    .operands = "FILE",
    .operandcount = 1,
    .summary = "describe a .font file: its header and the glyphs its data holds",
    .options = {},
    .details = "Compressed glyph data is expanded as the toolkit loads it; data that cannot be\n"
               "expanded, or that ends before the glyphs the header promises, is reported on\n"
               "standard error, after the header, with exit status 1.",
    .run = runfontinfo,
};

}  // namespace vxtool
