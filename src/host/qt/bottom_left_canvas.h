#pragma once
// A widget whose children are placed in the host's coordinates: origin at the
// bottom left, y upward. The children keep their distance from the bottom edge
// when the canvas changes height, as the host's views do.
#include <QWidget>
#include <map>

#include "runtime/types.h"

namespace vx::qt {

class BottomLeftCanvas : public QWidget {
 public:
  explicit BottomLeftCanvas(QWidget* parent = nullptr);

  void place(QWidget* child, Rect frame);
  // The child's frame in host coordinates (placed or not).
  Rect frameof(const QWidget* child) const;
  void setbackground(const QColor& colour);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void apply(QWidget* child, const Rect& frame);
  std::map<QWidget*, Rect> frames_;
};

}  // namespace vx::qt
