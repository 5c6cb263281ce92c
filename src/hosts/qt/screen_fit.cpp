#include "hosts/qt/screen_fit.h"

#include <algorithm>
#include <array>

namespace vx::qt {
namespace {

// The start of a span of `length` inside [first, first + room), as near
// `wanted` as it can be; a span longer than the room starts at `first`.
int placed(int wanted, int length, int first, int room) {
  return std::max(first, std::min(wanted, first + room - length));
}

// A window smaller than this in either direction shows too little to be of use.
constexpr int SmallestUsefulSide = 160;

// How large the content shows in a room: the scale at which it fits whole.
double scalein(const QRect& room, const QSize& content, const QMargins& decoration) {
  const QRect inner = room.marginsRemoved(decoration);
  if (inner.width() < SmallestUsefulSide || inner.height() < SmallestUsefulSide) return 0;
  return std::min(double(inner.width()) / std::max(content.width(), 1),
                  double(inner.height()) / std::max(content.height(), 1));
}

}  // namespace

std::optional<QRect> roombeside(const QRect& wanted, const QRect& available, const QMargins& decoration,
                                const QRect& keepclear) {
  const QRect clear = keepclear.intersected(available);
  // What the window would cover, fitted to the screen as it would be otherwise.
  const QRect covered = fittedgeometry(wanted, available, decoration).marginsAdded(decoration);
  if (clear.isEmpty() || !covered.intersects(clear)) return std::nullopt;
  const int left = available.left(), top = available.top();
  const std::array<QRect, 4> rooms = {
      QRect(left, top, available.width(), clear.top() - top),                      // above
      QRect(left, clear.bottom() + 1, available.width(), available.bottom() - clear.bottom()),  // below
      QRect(left, top, clear.left() - left, available.height()),                   // left of it
      QRect(clear.right() + 1, top, available.right() - clear.right(), available.height()),  // right of it
  };
  std::optional<QRect> best;
  double bestscale = 0;
  for (const QRect& room : rooms) {
    const double scale = scalein(room, wanted.size(), decoration);
    if (scale > bestscale) {
      bestscale = scale;
      best = room;
    }
  }
  return best;
}

QRect fittedgeometry(const QRect& wanted, const QRect& available, const QMargins& decoration) {
  const QRect inner = available.marginsRemoved(decoration);
  const int width = std::clamp(wanted.width(), 0, std::max(inner.width(), 0));
  const int height = std::clamp(wanted.height(), 0, std::max(inner.height(), 0));
  return {placed(wanted.x(), width, inner.x(), inner.width()),
          placed(wanted.y(), height, inner.y(), inner.height()), width, height};
}

}  // namespace vx::qt

namespace vx::qt {

QRect fittedinroom(const QRect& wanted, const QRect& room, const QMargins& decoration) {
  const QRect inner = room.marginsRemoved(decoration);
  const double scale = std::min({1.0, double(inner.width()) / std::max(wanted.width(), 1),
                                 double(inner.height()) / std::max(wanted.height(), 1)});
  const QSize size(static_cast<int>(wanted.width() * scale), static_cast<int>(wanted.height() * scale));
  return fittedgeometry(QRect(wanted.topLeft(), size), room, decoration);
}

}  // namespace vx::qt
