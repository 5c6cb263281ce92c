#include "hosts/qt/screen_fit.h"

#include <algorithm>

namespace vx::qt {
namespace {

// The start of a span of `length` inside [first, first + room), as near
// `wanted` as it can be; a span longer than the room starts at `first`.
int placed(int wanted, int length, int first, int room) {
  return std::max(first, std::min(wanted, first + room - length));
}

}  // namespace

QRect fittedgeometry(const QRect& wanted, const QRect& available, const QMargins& decoration) {
  const QRect inner = available.marginsRemoved(decoration);
  const int width = std::clamp(wanted.width(), 0, std::max(inner.width(), 0));
  const int height = std::clamp(wanted.height(), 0, std::max(inner.height(), 0));
  return {placed(wanted.x(), width, inner.x(), inner.width()),
          placed(wanted.y(), height, inner.y(), inner.height()), width, height};
}

}  // namespace vx::qt
