#pragma once
// Counts what the program asks of operator new, for tests that prove a routine
// stays within its memory whatever its input claims. Linking
// allocation_meter.cpp into a test binary replaces the global operator new.
#include <cstddef>

namespace vxtest {

// Starts counting afresh.
void resetallocations();
// The largest single request since the last reset, in bytes.
size_t largestallocation();
// The most heap held at once since the last reset, beyond what was held at
// the reset: what a routine needs at its peak, copies included.
size_t peakallocation();

}  // namespace vxtest
