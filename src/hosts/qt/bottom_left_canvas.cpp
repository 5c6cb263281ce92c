#include "hosts/qt/bottom_left_canvas.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vx::qt {

BottomLeftCanvas::BottomLeftCanvas(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
}

void BottomLeftCanvas::place(QWidget* child, Rect frame) {
  frames_[child] = frame;
  apply(child, frame);
}

Rect BottomLeftCanvas::frameof(const QWidget* child) const {
  const auto found = frames_.find(const_cast<QWidget*>(child));
  if (found != frames_.end()) return found->second;
  const QRect g = child->geometry();
  return {double(g.x()), double(height() - g.y() - g.height()), double(g.width()),
          double(g.height())};
}

void BottomLeftCanvas::setbackground(const QColor& colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, colour);
  setPalette(p);
  update();
}

void BottomLeftCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (auto& [child, frame] : frames_) apply(child, frame);
}

void BottomLeftCanvas::setdesignsize(QSize size) {
  design_ = size;
  for (auto& [child, frame] : frames_) apply(child, frame);
}

void BottomLeftCanvas::apply(QWidget* child, const Rect& frame) {
  if (anchoredtop_ && design_) {
    child->setGeometry(fromtop(frame));
    return;
  }
  const int w = static_cast<int>(std::lround(frame.width));
  const int h = static_cast<int>(std::lround(frame.height));
  const int x = static_cast<int>(std::lround(frame.x));
  const int y = height() - static_cast<int>(std::lround(frame.y)) - h;
  child->setGeometry(x, y, w, h);
}

QRect BottomLeftCanvas::fromtop(const Rect& frame) const {
  const int w = static_cast<int>(std::lround(frame.width));
  const int h = static_cast<int>(std::lround(frame.height));
  const int x = static_cast<int>(std::lround(frame.x));
  const int bottom = static_cast<int>(std::lround(frame.y));
  const int top = design_->height() - bottom - h;
  const int right = std::max(0, design_->width() - x - w);
  return {x, top, std::clamp(width() - x - right, 0, w), std::clamp(height() - top - std::max(bottom, 0), 0, h)};
}

}  // namespace vx::qt
