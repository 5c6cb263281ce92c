#pragma once
// The toolkit's font file as this tool writes it: a 16-byte header for
// 16 x 32 grey glyphs of codes 0..255, followed by the glyph data in the
// LZW stored form (format 102). The header's Size field holds the length of
// the glyph data before compression.
#include <cstdint>
#include <vector>

namespace fontbuilder {

// `glyphs` holds 256 glyphs of 16 x 32 grey levels, code after code.
std::vector<uint8_t> fontfilebytes(const std::vector<uint8_t>& glyphs);

}  // namespace fontbuilder
