#pragma once
/// \file
/// UTF-8 helpers. Toolkit strings are std::string holding UTF-8; every position
/// in a string counts Unicode scalar values (not bytes, not grapheme clusters).
/// Malformed input decodes as U+FFFD per bad byte, so nothing is ever skipped silently.
#include <string>
#include <string_view>

namespace vx {

/// Whether `value` is a Unicode scalar value (0..0x10FFFF, no surrogate).
bool isunicodescalar(int64_t value);
/// The scalars of UTF-8 text; each malformed byte gives U+FFFD.
std::u32string utf8toscalars(std::string_view text);
/// UTF-8 text of scalars; a value that is no scalar gives U+0000.
std::string scalarstoutf8(std::u32string_view scalars);
void appendscalar(std::string& out, char32_t scalar);  ///< invalid scalars append U+0000
/// How many scalars UTF-8 text holds (each malformed byte counts one).
int64_t scalarcount(std::string_view text);

}  // namespace vx
