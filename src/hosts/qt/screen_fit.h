#pragma once
// The constraint desktop window systems conventionally put on window frames:
// a window opens wholly inside the screen's available area (without the
// panels), title bar included, so that it can always be reached and moved.
#include <QMargins>
#include <QRect>
#include <optional>

namespace vx::qt {

// The client geometry a window gets when it asks for `wanted`: the window
// with its window-manager `decoration` lies inside `available`. A frame that
// fits keeps exactly its geometry; one that does not is made smaller (never
// larger) as far as needed and moved as little as needed.
QRect fittedgeometry(const QRect& wanted, const QRect& available, const QMargins& decoration);

// Where a window that would cover `keepclear` (the frame area of another
// window that must stay visible: the lines of a text window from its cursor
// down) goes instead: the largest part of `available` beside, above or below
// it, the one that shows the window's content the largest. None when the
// window, fitted to the screen, covers nothing of it, or when no part beside it has room for a
// usable window (it then fits the whole available area as before).
std::optional<QRect> roombeside(const QRect& wanted, const QRect& available, const QMargins& decoration,
                                const QRect& keepclear);
// The client geometry of a window placed in such a room: as wanted if it
// fits, else made smaller keeping its proportions, and moved as little as
// needed.
QRect fittedinroom(const QRect& wanted, const QRect& room, const QMargins& decoration);

}  // namespace vx::qt
