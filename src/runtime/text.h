#pragma once
// String routines in the manner of a home-computer BASIC. Positions are 1-based
// and count Unicode scalar values.
#include <cstdint>
#include <string>

namespace vx {

std::string charinstring(const std::string& s, int64_t position);
std::string rightfromstring(const std::string& s, int64_t position);
std::string midstring(const std::string& s, int64_t start, int64_t length);
int64_t instring(const std::string& s, const std::string& searched, int64_t start);
// The longest run repeatstring and spacestring make: a larger count gives "".
constexpr int64_t MaxSpaces = 32767;
std::string repeatstring(const std::string& s, int64_t count);
std::string spacestring(int64_t count);
// left + spaces + right filling `width` characters, or left + right cut to
// `width` when they do not fit. At most MaxSpaces spaces are put between, so a
// width beyond that and the two texts gives a shorter result.
std::string padbetween(const std::string& left, const std::string& right, int64_t width);
std::string firstlineofstring(const std::string& s);
int64_t firstscalar(const std::string& s);
int64_t lowercasescalar(int64_t code);

}  // namespace vx
