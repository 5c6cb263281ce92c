#include "runtime/tables.h"

#include <cstdlib>
#include <ctime>

#include "runtime/log.h"

namespace vx {

namespace {

constexpr bool inrange(int c, int low, int high) { return c >= low && c <= high; }

// Latin-1 letters with a case partner one column over; the Nordic letters,
// ß, µ, ÿ and the signs × and ÷ deliberately map to themselves.
constexpr void buildcasetables(std::array<uint8_t, 256>& UpperCaseTable,
                               std::array<uint8_t, 256>& LowerCaseTable) {
  for (int c = 0; c < 256; ++c) {
    const bool lower = inrange(c, 249, 252) || inrange(c, 231, 246) || inrange(c, 97, 122) ||
                       inrange(c, 224, 228);
    UpperCaseTable[c] = static_cast<uint8_t>(lower ? c - 32 : c);
  }
  for (int c = 0; c < 256; ++c) {
    const bool upper = inrange(c, 217, 220) || inrange(c, 199, 214) || inrange(c, 65, 90) ||
                       inrange(c, 192, 196);
    LowerCaseTable[c] = static_cast<uint8_t>(upper ? c + 32 : c);
  }
}

constexpr void buildhextables(std::array<uint8_t, 16>& HexDigitTable,
                              std::array<int64_t, 256>& HexValueTable) {
  for (auto& v : HexValueTable) v = -1;
  for (int d = 0; d < 16; ++d) {
    const int digit = d <= 9 ? '0' + d : 'A' + d - 10;
    HexDigitTable[d] = static_cast<uint8_t>(digit);
    HexValueTable[digit] = d;
    if (d > 9) HexValueTable['a' + d - 10] = d;
  }
}

constexpr std::array<uint8_t, 256> initialupper() {
  std::array<uint8_t, 256> upper{}, lower{};
  buildcasetables(upper, lower);
  return upper;
}
constexpr std::array<uint8_t, 256> initiallower() {
  std::array<uint8_t, 256> upper{}, lower{};
  buildcasetables(upper, lower);
  return lower;
}
constexpr std::array<uint8_t, 16> initialdigits() {
  std::array<uint8_t, 16> digits{};
  std::array<int64_t, 256> values{};
  buildhextables(digits, values);
  return digits;
}
constexpr std::array<int64_t, 256> initialvalues() {
  std::array<uint8_t, 16> digits{};
  std::array<int64_t, 256> values{};
  buildhextables(digits, values);
  return values;
}

}  // namespace

// The tables are already filled at compile time, so a routine that reads them
// before initvxtools still gets the right answer; initvxtools builds them anew.
std::array<uint8_t, 256> UpperCaseTable = initialupper();
std::array<uint8_t, 256> LowerCaseTable = initiallower();
std::array<uint8_t, 16> HexDigitTable = initialdigits();
std::array<int64_t, 256> HexValueTable = initialvalues();
std::atomic<bool> toolkitinitialised{false};

void initvxtools() {
  log("initvxtools: Start.");
  buildcasetables(UpperCaseTable, LowerCaseTable);
  buildhextables(HexDigitTable, HexValueTable);
  srandom(static_cast<unsigned>(time(nullptr) & 0x7FFFFFFF));
  toolkitinitialised = true;
  log("initvxtools: End.");
}

}  // namespace vx
