#include "hosts/qt/slot_view_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "hosts/qt/key_translation.h"
#include "host/slot_view.h"
#include "hosts/view_input.h"

namespace vx::qt {

QImage toqimage(const HostImage& image) {
  if (image.width <= 0 || image.height <= 0) return {};
  const size_t needed = static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4;
  if (image.argb.size() < needed) return {};  // a short buffer shows nothing
  QImage out(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
  const uint8_t* p = image.argb.data();
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x, p += 4) row[x] = qRgba(p[1], p[2], p[3], p[0]);
  }
  return out;
}

HostImage tohostimage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  HostImage out{image.width(), image.height(), {}};
  out.argb.reserve(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()) * 4);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = row[x];
      out.argb.insert(out.argb.end(), {uint8_t(qAlpha(c)), uint8_t(qRed(c)), uint8_t(qGreen(c)),
                                       uint8_t(qBlue(c))});
    }
  }
  return out;
}

SlotViewWidget::SlotViewWidget(int slot, QWidget* parent) : PictureView(parent), slot_(slot) {
  setFocusPolicy(Qt::StrongFocus);
  setsource(&source_);
}

void SlotViewWidget::settoolkitframe(Rect frame) {
  frame_ = frame;
  const QSize size(static_cast<int>(std::lround(frame.width)), static_cast<int>(std::lround(frame.height)));
  if (size == source_.size()) return;
  source_.setsize(size);
  picturechanged();
}

// The picture is read from the toolkit memory only while the view draws; with
// nothing to show (a hidden or uninitialised slot) the view shows its background.
void SlotViewWidget::paintEvent(QPaintEvent* event) {
  const bool drawn = drawslotview(slot_, [&](const StoredPicture& picture) {
    source_.setpicture(picture);
    PictureView::paintEvent(event);
  });
  source_.setpicture({});
  if (!drawn) QPainter(viewport()).fillRect(event->rect(), background());
}

// Only a moved line scrolls the view: the user may have scrolled back to
// read, and a redraw of the same line leaves the view where it is.
void SlotViewWidget::followcursor(bool always) {
  const auto rows = slotcursorrows(slot_);
  if (!rows) return;
  if (!always && rows->top == cursortop_) return;
  cursortop_ = rows->top;
  keeprowsinsight(static_cast<double>(rows->top), static_cast<double>(rows->bottom));
}

// A view made smaller keeps the line being typed in sight.
void SlotViewWidget::resizeEvent(QResizeEvent* event) {
  PictureView::resizeEvent(event);
  followcursor(true);
}

void SlotViewWidget::keyPressEvent(QKeyEvent* event) {
  // An enabled item's keys never arrive here; a disabled one's must not
  // reach the program as typed text. It beeps, as its menu command would.
  if (ismenukey_ && ismenukey_(QKeySequence(event->keyCombination()))) {
    QApplication::beep();
    return;
  }
  if (ismodifierkey(event->key())) {
    deliverflagschanged(slot_, modifierflags(event->modifiers()));
    return;
  }
  if (const auto key = translatekey(*event)) deliverkeydown(slot_, *key);
}

void SlotViewWidget::keyReleaseEvent(QKeyEvent* event) {
  if (ismodifierkey(event->key())) {
    deliverflagschanged(slot_, modifierflags(event->modifiers()));
    return;
  }
  if (!event->isAutoRepeat()) deliverkeyup(slot_);
}

// The window position (origin bottom left) of the picture point under the
// mouse, as it lies at 1:1 without scrolling: the toolkit truncates it, and
// no other rounding comes before.
HostMouseEvent SlotViewWidget::hostmouseevent(const QMouseEvent& event) const {
  const QPointF at = pictureat(event.position());
  HostMouseEvent out;
  out.windowX = frame_.x + at.x();
  out.windowY = frame_.y + frame_.height - at.y();
  if (event.buttons() & Qt::LeftButton) out.pressedButtons |= 1;
  if (event.buttons() & Qt::RightButton) out.pressedButtons |= 2;
  out.modifierFlags = modifierflags(event.modifiers());
  return out;
}

void SlotViewWidget::mousePressEvent(QMouseEvent* event) {
  const bool right = event->button() == Qt::RightButton;
  delivermousedown(slot_, hostmouseevent(*event), right);
}

void SlotViewWidget::mouseReleaseEvent(QMouseEvent*) { delivermouseup(slot_); }

bool SlotViewWidget::focusNextPrevChild(bool) { return false; }

}  // namespace vx::qt
