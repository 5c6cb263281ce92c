#pragma once
// Graphic and text video memory: blocks carved from the top of the toolkit
// memory downward, below HighMemory, in whole KiB; the lowest 64 KiB are never
// given out. Freeing a slot's blocks slides the blocks of every window made
// after it up over the gap.
#include <cstdint>
#include <string>

namespace vx {

// The first address of a block of `need` bytes whose last byte is `top`,
// rounded down to a whole KiB.
int64_t blockstart(int64_t top, int64_t need);
// Takes the block of `need` bytes just below HighMemory; answers its start.
int64_t carveblock(int64_t need);
// Frees the blocks of slot `window` and closes the gap, logging each step
// with the line prefix `prefix`.
void freevideoblocks(uint8_t window, const std::string& prefix);
// A byte count in KiB as the diagnostics write it: "3.000,00".
std::string kibtext(int64_t bytes);
// An address or size as "$" and eight upper-case hexadecimal digits.
std::string addresstext(int64_t value);

}  // namespace vx
