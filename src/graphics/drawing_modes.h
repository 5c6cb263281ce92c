#pragma once
// How a plotted colour C combines with the stored pixel S at depths 24 and 32.
// Each works on Red, Green and Blue separately; the other depths ignore modes.
//   0 store, 1 blend (average at 24 bits, alpha blend at 32), 2 store opaque,
//   3 store keeping alpha, 4 average, 5 AND, 6 OR, 7 XOR, others: unchanged.
#include <cstdint>

#include "runtime/types.h"

namespace vx {

// The three stored bytes R, G, B at depth 24.
void combinergb(int64_t mode, t_RGBColor c, uint8_t* rgb);
// The four stored bytes A, R, G, B at depth 32.
void combineargb(int64_t mode, t_RGBColor c, uint8_t* argb);

}  // namespace vx
