#include "host/qt/slot_view_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "host/qt/key_translation.h"
#include "host/slot_view.h"
#include "host/view_input.h"

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

SlotViewWidget::SlotViewWidget(int slot, QWidget* parent) : QWidget(parent), slot_(slot) {
  setFocusPolicy(Qt::StrongFocus);
}

void SlotViewWidget::paintEvent(QPaintEvent*) {
  if (auto image = slotviewimage(slot_)) {
    QImage converted = toqimage(*image);
    if (!converted.isNull()) shown_ = std::move(converted);
  }
  if (shown_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(rect(), shown_);
}

void SlotViewWidget::keyPressEvent(QKeyEvent* event) {
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

HostMouseEvent SlotViewWidget::hostmouseevent(const QMouseEvent& event) const {
  // The window's coordinates: the content below the title, origin bottom left.
  const QWidget* content = parentWidget() ? parentWidget() : this;
  const QPointF at = mapTo(content, event.position().toPoint());
  HostMouseEvent out;
  out.windowX = at.x();
  out.windowY = content->height() - at.y();
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
