#pragma once
// A cheap fingerprint of a window's picture, so that the refresh can tell
// whether anything in it changed since the view was last drawn. Programs may
// write the toolkit memory directly, so the fingerprint is taken from the
// bytes themselves, not from the calls that drew them.
#include <cstdint>

#include "runtime/types.h"

namespace vx {

// A 64-bit hash of the picture's bytes, its size and depth; pictures
// that differ in any byte give different fingerprints except by rare chance.
// A picture without data has the fingerprint of its size alone.
uint64_t picturefingerprint(const StoredPicture& picture);

}  // namespace vx
