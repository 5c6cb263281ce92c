#pragma once
// The constraint desktop window systems conventionally put on window frames:
// a window opens wholly inside the screen's available area (without the
// panels), title bar included, so that it can always be reached and moved.
#include <QMargins>
#include <QRect>

namespace vx::qt {

// The client geometry a window gets when it asks for `wanted`: the window
// with its window-manager `decoration` lies inside `available`. A frame that
// fits keeps exactly its geometry; one that does not is made smaller (never
// larger) as far as needed and moved as little as needed.
QRect fittedgeometry(const QRect& wanted, const QRect& available, const QMargins& decoration);

}  // namespace vx::qt
