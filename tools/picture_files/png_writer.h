#pragma once
// PNG files through libpng, built in memory so that a file is written only
// once it is complete.
#include <cstdint>
#include <string>
#include <vector>

namespace vxpictures {

enum class PngForm {
  Bilevel,    // 1 bit per pixel, 1 white; rows packed from the most significant bit
  Palette16,  // 4 bits per pixel, indexes into `palette`; rows packed high nibble first
  Grey,       // 8 bits
  GreyAlpha,  // grey, alpha
  RGB,        // red, green, blue
  RGBA,       // red, green, blue, alpha
};

struct PngPicture {
  uint32_t width = 0;
  uint32_t height = 0;
  PngForm form = PngForm::Grey;
  std::vector<uint8_t> rows;     // height rows of rowbytes(form, width) bytes each
  std::vector<uint8_t> palette;  // Palette16: red, green, blue of each colour
};

// Bytes of one row of `width` pixels in `form`.
size_t pngrowbytes(PngForm form, uint32_t width);

// The PNG file's bytes; false with `error` set when libpng refuses.
bool pngbytes(const PngPicture& picture, std::vector<uint8_t>& out, std::string& error);

}  // namespace vxpictures
