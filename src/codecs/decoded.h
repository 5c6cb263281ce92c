#pragma once
/// \file
/// What a decoder answers to a caller that reports failures in its own words:
/// the decoded bytes, or what kept it from them.
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

/// Why a decoder gave no bytes.
enum class DecodeProblem {
  None,        ///< the bytes were decoded
  CutShort,    ///< the encoded data ends inside an item
  Invalid,     ///< a count, code or code width that no encoder writes
  PastEnd,     ///< it decodes to more bytes than the caller expects
  ShortOfEnd,  ///< it ends cleanly but gives fewer bytes than expected
};

/// A decoder's answer: the bytes, or the problem that kept it from them.
struct Decoded {
  std::vector<uint8_t> Bytes;  ///< empty unless Problem is None
  DecodeProblem Problem = DecodeProblem::None;  ///< None, or what kept the decoder from the bytes
  const char* Routine = "";    ///< the routine that found the problem
  std::string Detail;          ///< what it found, as its diagnostic line says it

  bool ok() const { return Problem == DecodeProblem::None; }  ///< whether the bytes were decoded
};

}  // namespace vx
