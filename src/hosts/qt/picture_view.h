#pragma once
// A scrolling, zooming view of a picture. At 1:1 a picture larger than the
// view scrolls with scroll bars; zooming to fit shows the whole picture and
// follows the view's size; Ctrl with the mouse wheel zooms in steps about the
// mouse position, and the plain wheel scrolls. A picture smaller than the
// view sits in its middle on the background colour.
//
// The view asks its source only for the part it shows (at 1:1 or magnified,
// the exposed pixels; zoomed out, the visible area, reduced by averaging and
// kept until the picture, the zoom or the visible area changes), so a huge
// picture is never converted whole.
//
// Positions: "viewport" positions are in pixels of the viewport widget, from
// its top left; "picture" positions are in pixels of the picture, from its
// top left, as they are at 1:1 without scrolling.
#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <functional>

#include "hosts/qt/picture_source.h"

namespace vx::qt {

class PictureView : public QAbstractScrollArea {
 public:
  static constexpr double LargestZoom = 32;
  static constexpr double WheelStep = 1.25;  // zoom factor per wheel notch

  explicit PictureView(QWidget* parent = nullptr);

  // The picture to show (not owned; it must outlive the view or be replaced),
  // or null for none. The view starts at 1:1, scrolled to the top left.
  void setsource(const PictureSource* source);
  // Tells the view that the source's pixels or size changed: it shows them anew.
  void picturechanged();

  // Viewport pixels per picture pixel.
  double zoom() const { return zoom_; }
  // Whether the zoom follows the view's size so that the whole picture shows.
  bool fitting() const { return fitting_; }
  void zoomtofit();
  void zoomtoactualsize();  // 1:1, keeping the picture point at the view's centre
  // Zooms to `factor` (clamped to the zoom range: from the fitting zoom, or
  // 1:1 if that is smaller, up to LargestZoom), keeping the picture point
  // under the viewport position `anchor` where it is.
  void setzoom(double factor, QPointF anchor);
  // Called after every change of the zoom.
  void setzoomlistener(std::function<void()> listener) { zoomlistener_ = std::move(listener); }

  // The picture position shown at a viewport position; outside the picture
  // when the position is.
  QPointF pictureat(QPointF viewportposition) const;
  QPointF viewportat(QPointF pictureposition) const;
  // Where the whole picture lies in viewport pixels.
  QRectF placement() const;

  // Scrolls as little as needed for the picture rows [top, bottom) to show
  // (their top, if they are taller than the view).
  void keeprowsinsight(double top, double bottom);

  void setbackground(const QColor& colour);
  const QColor& background() const { return background_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  QSize picturesize() const;
  double fittingzoom() const;
  void applyzoom(double factor);
  void updatescrollbars();
  void drawactualormagnified(QPainter& painter, const QRect& exposed);
  void drawreduced(QPainter& painter);
  QRect picturearea(const QRect& viewportarea) const;
  QRectF viewportarea(const QRect& picturearea) const;

  const PictureSource* source_ = nullptr;
  double zoom_ = 1;
  bool fitting_ = false;
  QColor background_{Qt::white};
  std::function<void()> zoomlistener_;
  // The reduced picture last drawn zoomed out, and what it was made from.
  struct Reduced {
    QImage image;
    QRect area;
    int factor = 0;
    uint64_t generation = 0;
  } reduced_;
  uint64_t generation_ = 1;  // counts picture changes
};

}  // namespace vx::qt
