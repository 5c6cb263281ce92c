#pragma once
// What a decoder answers to a caller that reports failures in its own words:
// the decoded bytes, or what kept it from them.
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

enum class DecodeProblem {
  None,
  CutShort,    // the encoded data ends inside an item
  Invalid,     // a count, code or code width that no encoder writes
  PastEnd,     // it decodes to more bytes than the caller expects
  ShortOfEnd,  // it ends cleanly but gives fewer bytes than expected
};

struct Decoded {
  std::vector<uint8_t> Bytes;  // empty unless Problem is None
  DecodeProblem Problem = DecodeProblem::None;
  const char* Routine = "";    // the routine that found the problem
  std::string Detail;          // what it found, as its diagnostic line says it

  bool ok() const { return Problem == DecodeProblem::None; }
};

}  // namespace vx
