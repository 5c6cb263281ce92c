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

// Codes with a meaning of their own in the field, named by the keys that
// send them (Ctrl with a letter sends the letter's place in the alphabet).
constexpr int64_t InputRedrawKey = 0;          ///< keys without a character: redraws the field
constexpr int64_t InputHomeKey = 1;            ///< Home, Ctrl-A: to the start
constexpr int64_t InputUpKey = 2;              ///< Up, Ctrl-B: to the start
constexpr int64_t InputPageDownKey = 3;        ///< Page Down, Ctrl-C: to the end
constexpr int64_t InputWordRightKey = 4;       ///< Ctrl-D
constexpr int64_t InputEndKey = 5;             ///< End, Ctrl-E: to the end
constexpr int64_t InputControlFKey = 6;        ///< Ctrl-F: to the end
constexpr int64_t InputForwardDeleteKey = 7;   ///< Forward Delete, Ctrl-G
constexpr int64_t InputLeftKey = 8;            ///< Left, Ctrl-H
constexpr int64_t InputDownKey = 10;           ///< Down, Ctrl-J: to the end
constexpr int64_t InputPageUpKey = 11;         ///< Page Up, Ctrl-K: to the start
constexpr int64_t InputCopyKey = 12;           ///< Ctrl-L: the field to the pasteboard
constexpr int64_t InputReturnKey = 13;         ///< Return, keypad Enter
constexpr int64_t InputControlRKey = 18;       ///< Ctrl-R: to the start
constexpr int64_t InputWordLeftKey = 19;       ///< Ctrl-S
constexpr int64_t InputRightKey = 21;          ///< Right, Ctrl-U
constexpr int64_t InputPasteKey = 22;          ///< Ctrl-V
constexpr int64_t InputDeleteToStartKey = 24;  ///< Ctrl-X: everything left of the cursor
constexpr int64_t InputEmptyKey = 26;          ///< Ctrl-Z: the whole field
constexpr int64_t InputEscapeKey = 27;         ///< Escape: ends the input with the empty string
constexpr int64_t InputCodeEntryKey = 30;      ///< Ctrl-^: up to three digits give a code
constexpr int64_t InputPlaceCursorKey = 31;    ///< sent by t_InputForm: places the text cursor
constexpr int64_t InputBackspaceKey = 127;     ///< Delete (backspace)

}  // namespace vx
