#pragma once
/// \file
/// The format codes a ".gr" graphic file may carry, their names, and what each
/// stage of the save pipeline made of a picture of a given size. The codes and
/// names are a contract with the software that reads these files.
#include <cstdint>
#include <string>

#include "graphics/picture_formats.h"

namespace vx {

/// Whether `format` is one of the table's codes: 0-5, 10, 11, 14, 15, 20-25,
/// 30, 31, 34, 35, and each of them plus 100.
bool isgraphicformat(int64_t format);
/// The table's name of a code ("g_FormatRLEPackedBit", "g_FormatLZWRLERGBColor"),
/// empty for a code outside the table.
std::string graphicformatname(int64_t format);
/// The capture format (0-5) whose pixels a format holds: 130 holds format 0's.
int64_t graphicbaseformat(int64_t format);

/// Bytes that a picture of `width` x `height` takes in one of the formats below
/// 20 (plain or packed), as the save pipeline writes it.
int64_t graphicdatalength(int64_t format, int64_t width, int64_t height);

}  // namespace vx
