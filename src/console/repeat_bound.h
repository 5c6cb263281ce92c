#pragma once
// How far the calls that repeat a character or walk the text area's columns
// and lines go, whatever a program set its fields or counts to.
#include <cstdint>

#include "runtime/saturating.h"
#include "runtime/text.h"

namespace vx {

// The most characters one t_PrintTab or t_PrintSpc prints, and the most cells
// one t_TextHline or t_TextLine draws: the longest run of spaces the toolkit
// makes anywhere (MaxSpaces). A larger count is cut to it, so that a count
// near the largest Int cannot keep the program thread busy for ages.
constexpr int64_t MaxRepeatedCharacters = MaxSpaces;

// Calls each(x) for x = first..last, at most MaxRepeatedCharacters times
// from `first` on: the loops over columns and lines that fields a program
// may have set to anything bound.
template <class Each>
void forcolumns(int64_t first, int64_t last, Each&& each) {
  if (last < first) return;
  const int64_t count = satadd(satsub(last, first), 1);
  for (int64_t k = 0; k < count && k < MaxRepeatedCharacters; ++k) each(first + k);
}

}  // namespace vx
