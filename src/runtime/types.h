#pragma once
/// \file
/// Plain value types shared by every layer of the toolkit.
#include <cstdint>
#include <vector>

namespace vx {

/// A colour as the toolkit stores it: four bytes in the order Alpha, Red, Green, Blue.
struct t_RGBColor {
  uint8_t Alpha = 255;  ///< opacity, 255 opaque
  uint8_t Red = 0;      ///< red, 0..255
  uint8_t Green = 0;    ///< green, 0..255
  uint8_t Blue = 0;     ///< blue, 0..255
  friend bool operator==(const t_RGBColor&, const t_RGBColor&) = default;  ///< equal when every field is
};

/// A rectangle in host coordinates (points, origin bottom left, y upward).
struct Rect {
  double x = 0;       ///< left edge
  double y = 0;       ///< bottom edge
  double width = 0;   ///< extent to the right
  double height = 0;  ///< extent upward
  friend bool operator==(const Rect&, const Rect&) = default;  ///< equal when every field is
};

/// A size in points.
struct Size {
  double width = 0;   ///< across
  double height = 0;  ///< up
  friend bool operator==(const Size&, const Size&) = default;  ///< equal when every field is
};

/// Opaque handles of host objects. Each host numbers its own windows and views.
enum class HostWindow : int32_t {};
/// The opaque handle of a host view (a slot's picture view or a text view).
enum class HostView : int32_t {};

/// A window's picture as the toolkit stores it, for reading only: `height` rows
/// of `rowbytes` bytes, back to back, of `width` pixels at `depth` bits (1 and
/// 4 packed, most significant bits first; 8 grey; 16 alpha and grey; 24 red,
/// green, blue; 32 alpha, red, green, blue). The bytes are those of the live
/// picture: a program may be drawing into them while they are read.
struct StoredPicture {
  const uint8_t* data = nullptr;  ///< null: nothing to read
  int64_t width = 0;     ///< pixels a row
  int64_t height = 0;    ///< rows
  int64_t depth = 0;     ///< bits a pixel: 1, 4, 8, 16, 24 or 32
  int64_t rowbytes = 0;  ///< bytes from one row to the next
  /// The first byte of row `y` (0 the top); the caller keeps y inside 0..height - 1.
  const uint8_t* row(int64_t y) const { return data + y * rowbytes; }
};

/// A 32-bit picture: Width x Height pixels, rows top to bottom, four bytes per
/// pixel in the order Alpha, Red, Green, Blue.
struct HostImage {
  int64_t width = 0;         ///< pixels a row
  int64_t height = 0;        ///< rows
  std::vector<uint8_t> argb;  ///< width x height x 4 bytes
  friend bool operator==(const HostImage&, const HostImage&) = default;  ///< equal when every field is
};

}  // namespace vx
