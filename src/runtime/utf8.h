#pragma once
// UTF-8 helpers. Toolkit strings are std::string holding UTF-8; every position
// in a string counts Unicode scalar values (not bytes, not grapheme clusters).
// Malformed input decodes as U+FFFD per bad byte, so nothing is ever skipped silently.
#include <string>
#include <string_view>

namespace vx {

bool isunicodescalar(int64_t value);
std::u32string utf8toscalars(std::string_view text);
std::string scalarstoutf8(std::u32string_view scalars);
void appendscalar(std::string& out, char32_t scalar);  // invalid scalars append U+0000
int64_t scalarcount(std::string_view text);

}  // namespace vx
