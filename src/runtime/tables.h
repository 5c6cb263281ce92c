#pragma once
// The four character tables, filled once by initvxtools and only read afterwards.
#include <array>
#include <atomic>
#include <cstdint>

namespace vx {

extern std::array<uint8_t, 256> UpperCaseTable;
extern std::array<uint8_t, 256> LowerCaseTable;
extern std::array<uint8_t, 16> HexDigitTable;
extern std::array<int64_t, 256> HexValueTable;
extern std::atomic<bool> toolkitinitialised;

// Builds the tables and seeds the C library's random generator. Logs its start and end.
void initvxtools();

}  // namespace vx
