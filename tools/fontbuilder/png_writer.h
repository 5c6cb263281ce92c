#pragma once
// A minimal PNG writer for 8-bit grey pictures: the image data is kept in
// uncompressed (stored) deflate blocks, so no compression library is needed.
#include <cstdint>
#include <string>
#include <vector>

namespace fontbuilder {

// `pixels` holds width x height grey levels, rows from the top.
std::vector<uint8_t> greypng(int width, int height, const std::vector<uint8_t>& pixels);

}  // namespace fontbuilder
