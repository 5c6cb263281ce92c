#include "png_writer.h"

#include <png.h>

#include <csetjmp>

namespace vxpictures {
namespace {

struct Colour {
  int type;
  int depth;
};

Colour pngcolour(PngForm form) {
  switch (form) {
    case PngForm::Bilevel: return {PNG_COLOR_TYPE_GRAY, 1};
    case PngForm::Palette16: return {PNG_COLOR_TYPE_PALETTE, 4};
    case PngForm::Grey: return {PNG_COLOR_TYPE_GRAY, 8};
    case PngForm::GreyAlpha: return {PNG_COLOR_TYPE_GRAY_ALPHA, 8};
    case PngForm::RGB: return {PNG_COLOR_TYPE_RGB, 8};
    case PngForm::RGBA: return {PNG_COLOR_TYPE_RGB_ALPHA, 8};
  }
  return {PNG_COLOR_TYPE_GRAY, 8};
}

// What libpng's callbacks reach: the output and the first error message.
struct Sink {
  std::vector<uint8_t>* out;
  std::string* error;
};

void appendbytes(png_structp png, png_bytep data, size_t length) {
  auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
  sink->out->insert(sink->out->end(), data, data + length);
}

void noflush(png_structp) {}

// libpng reports errors by a jump back to the setjmp in writepng.
[[noreturn]] void reporterror(png_structp png, png_const_charp message) {
  auto* sink = static_cast<Sink*>(png_get_error_ptr(png));
  if (sink->error->empty()) *sink->error = message;
  png_longjmp(png, 1);
}

void ignorewarning(png_structp, png_const_charp) {}

// Holds nothing that needs a destructor between setjmp and a jump back to it.
bool writepng(const PngPicture& picture, png_bytep* rowpointers, png_colorp palette, int colours, Sink* sink) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, sink, reporterror, ignorewarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, sink, appendbytes, noflush);
  const Colour colour = pngcolour(picture.form);
  png_set_IHDR(png, info, picture.width, picture.height, colour.depth, colour.type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (colours > 0) png_set_PLTE(png, info, palette, colours);
  png_write_info(png, info);
  png_write_image(png, rowpointers);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

size_t pngrowbytes(PngForm form, uint32_t width) {
  const Colour colour = pngcolour(form);
  const int channels = form == PngForm::GreyAlpha ? 2 : form == PngForm::RGB ? 3 : form == PngForm::RGBA ? 4 : 1;
  return (static_cast<size_t>(width) * static_cast<size_t>(channels * colour.depth) + 7) / 8;
}

bool pngbytes(const PngPicture& picture, std::vector<uint8_t>& out, std::string& error) {
  const size_t rowbytes = pngrowbytes(picture.form, picture.width);
  if (picture.rows.size() != rowbytes * picture.height) {
    error = "the picture's rows do not match its size";
    return false;
  }
  std::vector<png_bytep> rowpointers(picture.height);
  for (uint32_t y = 0; y < picture.height; ++y)
    rowpointers[y] = const_cast<png_bytep>(picture.rows.data() + y * rowbytes);
  std::vector<png_color> palette;
  for (size_t i = 0; i + 2 < picture.palette.size(); i += 3)
    palette.push_back({picture.palette[i], picture.palette[i + 1], picture.palette[i + 2]});
  out.clear();
  error.clear();
  Sink sink{&out, &error};
  if (writepng(picture, rowpointers.data(), palette.data(), static_cast<int>(palette.size()), &sink)) return true;
  if (error.empty()) error = "libpng could not start";
  out.clear();
  return false;
}

}  // namespace vxpictures
