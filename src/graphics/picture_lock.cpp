#include "graphics/picture_lock.h"

#include <array>

namespace vx {

std::unique_lock<std::recursive_mutex> lockpicture(uint8_t slot) {
  // Never destroyed: background threads may still draw while the process ends.
  static auto& locks = *new std::array<std::recursive_mutex, 8>;
  return std::unique_lock(locks[slot % locks.size()]);
}

}  // namespace vx
