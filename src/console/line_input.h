#pragma once
/// \file
/// Line input: a prompt, then one edited line after it, returned on Return.
/// The line lives in the window record while it is edited. Characters beyond
/// the 8-bit set travel in it as ESC, four hexadecimal digits, GS and are
/// shown with control codes as coloured letters.
#include <cstdint>
#include <string>

namespace vx {

// Input modes: which characters the field accepts.
constexpr int64_t InputAnyText = 0;      ///< everything but code 0
constexpr int64_t InputAnyTextCodes = 1; ///< as 0; code entry also gives codes 1..31
constexpr int64_t InputInteger = 2;      ///< digits, "-" at the start
constexpr int64_t InputDecimal = 3;      ///< digits, one ",", one "e", "-" at the start or after "e"
constexpr int64_t InputDashedDigits = 4; ///< digits and one "-" not at the start

/// Prints `prompt`, shows `defaultText` (cut to maxCharacters) and lets the
/// user edit it; answers the line after Return, the empty string after Escape.
/// With `noEdit` the shown default is answered at once.
/// \windowtest
std::string t_InputForm(uint8_t window, const std::string& prompt, const std::string& defaultText,
                        bool noEdit, int64_t mode, int64_t maxCharacters);
/// Applies one key (a toolkit character code) to the field.
/// \windowtest
void t_InputEdit(uint8_t window, int64_t code);
/// Inserts one character at the edit cursor when the mode and the field's
/// limits allow it; a refused character changes nothing.
/// \windowtest
void t_InputInsert(uint8_t window, int64_t code);

// Codes with a meaning of their own in the field.
constexpr int64_t InputRedrawKey = 0;        ///< redraws the field
constexpr int64_t InputReturnKey = 13;       ///< ends the input with the line
constexpr int64_t InputEscapeKey = 27;       ///< ends the input with the empty string
constexpr int64_t InputPlaceCursorKey = 31;  ///< puts the text cursor back on the edit cursor

}  // namespace vx
