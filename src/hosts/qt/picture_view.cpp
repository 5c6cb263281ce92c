#include "hosts/qt/picture_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "hosts/qt/picture_reduction.h"

namespace vx::qt {

namespace {

// Zooms this close to 1:1 count as 1:1, so that rounding never blurs it.
constexpr double Exact = 1e-9;

}  // namespace

PictureView::PictureView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void PictureView::setsource(const PictureSource* source) {
  source_ = source;
  fitting_ = false;
  applyzoom(1);
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  picturechanged();
}

void PictureView::picturechanged() {
  ++generation_;
  if (fitting_) applyzoom(fittingzoom());
  updatescrollbars();
  viewport()->update();
}

QSize PictureView::picturesize() const { return source_ ? source_->size() : QSize(); }

// The zoom at which the whole picture fits the viewport as it is without
// scroll bars (it needs none then).
double PictureView::fittingzoom() const {
  const QSize picture = picturesize();
  if (picture.isEmpty()) return 1;
  const QSize room = maximumViewportSize();
  return std::max(std::min(double(room.width()) / picture.width(), double(room.height()) / picture.height()),
                  1e-6);
}

void PictureView::zoomtofit() {
  fitting_ = true;
  applyzoom(fittingzoom());
  updatescrollbars();
  viewport()->update();
}

void PictureView::zoomtoactualsize() {
  const QPointF centre(viewport()->width() / 2.0, viewport()->height() / 2.0);
  setzoom(1, centre);
}

void PictureView::setzoom(double factor, QPointF anchor) {
  const QPointF kept = pictureat(anchor);
  const double smallest = std::min(fittingzoom(), 1.0);
  fitting_ = false;
  applyzoom(std::clamp(factor, smallest, LargestZoom));
  updatescrollbars();
  // Scroll so that the kept picture point lies under the anchor again.
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(kept.x() * zoom_ - anchor.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(kept.y() * zoom_ - anchor.y())));
  viewport()->update();
}

void PictureView::applyzoom(double factor) {
  if (std::abs(factor - 1) < Exact) factor = 1;
  const bool changed = factor != zoom_;
  zoom_ = factor;
  if (changed && zoomlistener_) zoomlistener_();
}

void PictureView::updatescrollbars() {
  const QSize picture = picturesize();
  const int width = static_cast<int>(std::ceil(picture.width() * zoom_ - Exact));
  const int height = static_cast<int>(std::ceil(picture.height() * zoom_ - Exact));
  // A picture that fits the room without scroll bars needs none, whatever
  // the viewport's present size (shrunk by bars shown until now).
  const QSize room = maximumViewportSize();
  const QSize port = width <= room.width() && height <= room.height() ? room : viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, width - port.width()));
  verticalScrollBar()->setRange(0, std::max(0, height - port.height()));
  horizontalScrollBar()->setPageStep(port.width());
  verticalScrollBar()->setPageStep(port.height());
  horizontalScrollBar()->setSingleStep(std::max(1, port.width() / 20));
  verticalScrollBar()->setSingleStep(std::max(1, port.height() / 20));
}

void PictureView::keeprowsinsight(double top, double bottom) {
  QScrollBar* bar = verticalScrollBar();
  if (bar->maximum() <= 0) return;
  const double first = top * zoom_, last = bottom * zoom_;
  int value = bar->value();
  if (last > value + viewport()->height()) value = static_cast<int>(std::ceil(last)) - viewport()->height();
  if (first < value) value = static_cast<int>(std::floor(first));
  bar->setValue(value);
}

QRectF PictureView::placement() const {
  const QSizeF scaled = QSizeF(picturesize()) * zoom_;
  const QSize port = viewport()->size();
  // Whole pixels, so that 1:1 shows every picture pixel on one screen pixel.
  const double x = scaled.width() < port.width() ? std::floor((port.width() - scaled.width()) / 2)
                                                 : -horizontalScrollBar()->value();
  const double y = scaled.height() < port.height() ? std::floor((port.height() - scaled.height()) / 2)
                                                   : -verticalScrollBar()->value();
  return {x, y, scaled.width(), scaled.height()};
}

QPointF PictureView::pictureat(QPointF position) const {
  const QRectF placed = placement();
  return {(position.x() - placed.x()) / zoom_, (position.y() - placed.y()) / zoom_};
}

QPointF PictureView::viewportat(QPointF position) const {
  const QRectF placed = placement();
  return {placed.x() + position.x() * zoom_, placed.y() + position.y() * zoom_};
}

// The picture pixels that cover a viewport area, within the picture.
QRect PictureView::picturearea(const QRect& area) const {
  const QPointF topleft = pictureat(area.topLeft());
  const QPointF bottomright = pictureat(QPointF(area.x() + area.width(), area.y() + area.height()));
  const QRect covering(QPoint(static_cast<int>(std::floor(topleft.x())), static_cast<int>(std::floor(topleft.y()))),
                       QPoint(static_cast<int>(std::ceil(bottomright.x())) - 1,
                              static_cast<int>(std::ceil(bottomright.y())) - 1));
  return covering & QRect(QPoint(0, 0), picturesize());
}

QRectF PictureView::viewportarea(const QRect& area) const {
  const QPointF topleft = viewportat(area.topLeft());
  return {topleft, QSizeF(area.size()) * zoom_};
}

void PictureView::setbackground(const QColor& colour) {
  background_ = colour;
  viewport()->update();
}

void PictureView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect exposed = event->rect();
  const QRect placed = placement().toAlignedRect();
  for (const QRect& r : QRegion(exposed).subtracted(placed)) painter.fillRect(r, background_);
  if (picturesize().isEmpty() || !placed.intersects(exposed)) return;
  painter.setClipRect(exposed);
  if (zoom_ >= 1) {
    drawactualormagnified(painter, exposed);
  } else {
    drawreduced(painter);
  }
}

// Each picture pixel becomes a square of whole screen pixels: no smoothing.
void PictureView::drawactualormagnified(QPainter& painter, const QRect& exposed) {
  const QRect area = picturearea(exposed);
  if (area.isEmpty()) return;
  painter.drawImage(viewportarea(area), source_->pixels(area));
}

// Zoomed out, the visible area is averaged down by the whole factor just
// below the zoom and smoothly scaled the rest of the way; the result is kept
// for the next exposure until the picture, zoom or visible area changes.
void PictureView::drawreduced(QPainter& painter) {
  const QRect area = picturearea(viewport()->rect());
  if (area.isEmpty()) return;
  const int factor = std::max(1, static_cast<int>(std::floor(1 / zoom_ + Exact)));
  if (reduced_.area != area || reduced_.factor != factor || reduced_.generation != generation_) {
    reduced_.image = factor == 1 ? source_->pixels(area) : reducedpicture(*source_, area, factor);
    reduced_ = {reduced_.image, area, factor, generation_};
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(viewportarea(area), reduced_.image);
}

void PictureView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (fitting_) applyzoom(fittingzoom());
  updatescrollbars();
}

void PictureView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  double factor = zoom_ * std::pow(WheelStep, notches);
  // A step across 1:1 stops there; one below the fitting zoom fits.
  if ((zoom_ < 1 && factor > 1) || (zoom_ > 1 && factor < 1)) factor = 1;
  if (factor <= fittingzoom() && fittingzoom() < 1) {
    zoomtofit();
    return;
  }
  setzoom(factor, event->position());
}

void PictureView::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace vx::qt
