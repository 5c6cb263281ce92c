#pragma once
/// \file
/// The four character tables, filled once by initvxtools and only read afterwards.
#include <array>
#include <atomic>
#include <cstdint>

namespace vx {

/// Upper case of the 8-bit codes: a-z and the accented lower-case letters
/// à-ä, ç-ö, ù-ü map 32 lower; every other code to itself.
extern std::array<uint8_t, 256> UpperCaseTable;
/// Lower case of the 8-bit codes: A-Z, À-Ä, Ç-Ö and Ù-Ü map 32 higher;
/// every other code to itself.
extern std::array<uint8_t, 256> LowerCaseTable;
/// The hexadecimal digits "0123456789ABCDEF" as codes.
extern std::array<uint8_t, 16> HexDigitTable;
/// The value of a hexadecimal digit code (either case); -1 for any other code.
extern std::array<int64_t, 256> HexValueTable;
/// Whether initvxtools has built the tables.
extern std::atomic<bool> toolkitinitialised;

/// Builds the tables and seeds the C library's random generator. Logs its start and end.
void initvxtools();

}  // namespace vx
