// The picture view: scrolling at 1:1, zooming to fit and with the wheel, the
// mapping between view and picture positions, and reading only what shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <vector>

#include "hosts/qt/picture_view.h"
#include "qt_test_application.h"

using vx::qt::ImagePictureSource;
using vx::qt::PictureView;

namespace {

// A picture whose pixel at (x, y) has red x % 256 and green y % 256, or, as
// a checkerboard, alternates black and white; remembers every area asked for.
class RecordingSource : public ImagePictureSource {
 public:
  RecordingSource(int width, int height, bool checkerboard) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        image.setPixel(x, y, checkerboard ? ((x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                                          : qRgb(x % 256, y % 256, 0));
    setimage(image);
  }
  QImage pixels(const QRect& area) const override {
    asked.push_back(area);
    return ImagePictureSource::pixels(area);
  }
  mutable std::vector<QRect> asked;
};

// A shown view of `size` on a recorded picture, its viewport at its final size.
struct ShownPicture {
  ShownPicture(int width, int height, bool checkerboard, QSize size) : source(width, height, checkerboard) {
    view.setsource(&source);
    view.resize(size);
    view.show();
    QCoreApplication::processEvents();
  }
  QApplication& application = vxtest::qtapplication();
  RecordingSource source;
  PictureView view;
};

QRgb shownat(PictureView& view, QPoint at) { return view.viewport()->grab().toImage().pixel(at); }

void wheel(PictureView& view, QPointF at, int notches, Qt::KeyboardModifiers modifiers) {
  QWheelEvent event(at, view.viewport()->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, modifiers,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &event);
}

}  // namespace

TEST(PictureView, ALargePictureScrollsAt1To1AndOnlyWhatShowsIsRead) {
  ShownPicture shown(400, 300, false, {120, 100});
  auto& [application, source, view] = shown;
  ASSERT_TRUE(view.horizontalScrollBar()->isVisible() && view.verticalScrollBar()->isVisible());
  view.horizontalScrollBar()->setValue(50);
  view.verticalScrollBar()->setValue(20);
  EXPECT_EQ(view.pictureat({10.5, 4.25}), QPointF(60.5, 24.25));
  EXPECT_EQ(view.viewportat({60.5, 24.25}), QPointF(10.5, 4.25));
  source.asked.clear();
  EXPECT_EQ(shownat(view, {10, 4}), qRgb(60, 24, 0));
  const QRect visible(50, 20, view.viewport()->width(), view.viewport()->height());
  ASSERT_FALSE(source.asked.empty());
  for (const QRect& area : source.asked) EXPECT_TRUE(visible.contains(area)) << area.x() << "," << area.y();
}

TEST(PictureView, ZoomToFitShowsTheWholePictureAveragedInTheMiddle) {
  ShownPicture shown(400, 200, true, {100, 100});
  PictureView& view = shown.view;
  view.setbackground(Qt::red);
  view.zoomtofit();
  QCoreApplication::processEvents();
  EXPECT_EQ(std::tuple(view.fitting(), view.zoom(), view.horizontalScrollBar()->isVisible(), view.placement()),
            std::tuple(true, 0.25, false, QRectF(0, 25, 100, 50)));
  // Four by four black and white pixels average to grey; above the picture
  // is the background.
  EXPECT_NEAR(qRed(shownat(view, {50, 50})), 127, 2);
  EXPECT_EQ(shownat(view, {50, 10}), qRgb(255, 0, 0));
  // The fitting zoom follows the view's size.
  view.resize(200, 200);
  QCoreApplication::processEvents();
  EXPECT_DOUBLE_EQ(view.zoom(), 0.5);
}

TEST(PictureView, CtrlWheelZoomsAboutTheMouseStoppingAt1To1AndAtFit) {
  ShownPicture shown(400, 300, false, {120, 100});
  PictureView& view = shown.view;
  view.horizontalScrollBar()->setValue(100);  // room to scroll both ways
  view.verticalScrollBar()->setValue(80);
  const QPointF mouse(60, 40);
  const struct { int notches; Qt::KeyboardModifiers modifiers; double zoom; bool fitting; } steps[] = {
      {1, Qt::ControlModifier, 1.25, false},
      {-1, Qt::ControlModifier, 1, false},  // back across 1:1 stops there
      {-1, Qt::ControlModifier, 0.8, false},
      {2, Qt::ControlModifier, 1, false},
      {-20, Qt::ControlModifier, 0.3, true},  // 120 / 400 without bars: below it, fit
      {-1, Qt::NoModifier, 0.3, true},        // the plain wheel does not zoom
  };
  for (const auto& step : steps) {
    const QPointF under = view.pictureat(mouse);
    wheel(view, mouse, step.notches, step.modifiers);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(view.zoom(), view.fitting()), std::tuple(step.zoom, step.fitting)) << step.notches;
    const QPointF moved = step.fitting ? QPointF() : view.pictureat(mouse) - under;
    EXPECT_LE(std::max(std::abs(moved.x()), std::abs(moved.y())), 1) << step.notches;
  }
}
