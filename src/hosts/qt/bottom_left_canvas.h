#pragma once
// A widget whose children are placed in the host's coordinates: origin at the
// bottom left, y upward. By default the children keep their distance from the
// bottom edge when the canvas changes height, as the host's views do.
//
// A canvas anchored at the top instead (a slot window's) reads the frames
// against the size the toolkit gave it, its design size: when the user or the
// screen makes it smaller or larger, the children keep their place from the
// top left, and a child that no longer fits shrinks, keeping its margins to
// the right and bottom, but never grows beyond its frame.
#include <QWidget>
#include <map>
#include <optional>

#include "runtime/types.h"

namespace vx::qt {

class BottomLeftCanvas : public QWidget {
 public:
  explicit BottomLeftCanvas(QWidget* parent = nullptr);

  void place(QWidget* child, Rect frame);
  // The child's frame in host coordinates (placed or not).
  Rect frameof(const QWidget* child) const;
  void setbackground(const QColor& colour);

  void anchorattop() { anchoredtop_ = true; }
  // The size the toolkit gave the canvas; frames are read against it.
  void setdesignsize(QSize size);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void apply(QWidget* child, const Rect& frame);
  QRect fromtop(const Rect& frame) const;

  std::map<QWidget*, Rect> frames_;
  bool anchoredtop_ = false;
  std::optional<QSize> design_;
};

}  // namespace vx::qt
