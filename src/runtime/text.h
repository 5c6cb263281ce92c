#pragma once
/// \file
/// String routines in the manner of a home-computer BASIC. Positions are 1-based
/// and count Unicode scalar values.
#include <cstdint>
#include <string>

namespace vx {

/// The character at `position`; empty when the position is below 1 or past the end.
std::string charinstring(const std::string& s, int64_t position);
/// The characters from `position` to the end: the whole string for a position
/// below 2, empty past the end.
std::string rightfromstring(const std::string& s, int64_t position);
/// `length` characters from `start` on, cut at the end of the string; empty for
/// a length below 1 or a start past the end (a start below 2 counts as 1).
std::string midstring(const std::string& s, int64_t start, int64_t length);
/// The position of the first `searched` at or after `start` (case-sensitive);
/// 0 when it is not there or `searched` is empty.
int64_t instring(const std::string& s, const std::string& searched, int64_t start);
/// The longest run repeatstring and spacestring make: a larger count gives "".
constexpr int64_t MaxSpaces = 32767;
/// `s` written `count` times; empty for a count below 1 or above MaxSpaces, or
/// an empty `s`.
std::string repeatstring(const std::string& s, int64_t count);
/// `count` spaces; empty for a count below 1 or above MaxSpaces.
std::string spacestring(int64_t count);
/// left + spaces + right filling `width` characters, or left + right cut to
/// `width` when they do not fit. At most MaxSpaces spaces are put between, so a
/// width beyond that and the two texts gives a shorter result.
std::string padbetween(const std::string& left, const std::string& right, int64_t width);
/// The text before the first CR, or without one before the first LF; the whole
/// string when it has neither.
std::string firstlineofstring(const std::string& s);
/// The first character's Unicode scalar value; 0 for the empty string.
int64_t firstscalar(const std::string& s);
/// The lower-case form of Unicode scalar `code` (all of Unicode, unlike
/// LowerCaseTable); 0 for a negative code, U+0000 for a value that is no scalar.
int64_t lowercasescalar(int64_t code);

}  // namespace vx
