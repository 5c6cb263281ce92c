#include "hosts/qt/toolkit_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include "hosts/qt/picture_view.h"
#include "hosts/qt/screen_fit.h"

namespace vx::qt {

namespace {

// The frame the window manager drew around the last window it framed: every
// window gets the same, so a window not yet shown is fitted with it.
QMargins lastdecoration;

}  // namespace

ToolkitWindow::ToolkitWindow(HostWindow handle, Callbacks callbacks)
    : handle_(handle), callbacks_(std::move(callbacks)), canvas_(new BottomLeftCanvas(this)) {
  setCentralWidget(canvas_);
  setAttribute(Qt::WA_QuitOnClose, false);
}

int ToolkitWindow::titleheight() const {
  return titled_ ? menuBar()->sizeHint().height() : 0;
}

void ToolkitWindow::settitled(bool titled) {
  const bool wasvisible = isVisible();
  const QRect g = geometry();
  titled_ = titled;
  setWindowFlag(Qt::FramelessWindowHint, !titled);
  menuBar()->setVisible(titled);
  setGeometry(g);
  if (wanted_) canvas_->setdesignsize(wanted_->size() - QSize(0, titleheight()));
  if (wasvisible) show();  // changing the flags hides a window
}

void ToolkitWindow::setwantedgeometry(const QRect& wanted) {
  wanted_ = wanted;
  fit();
  canvas_->setdesignsize(wanted.size() - QSize(0, titleheight()));
}

void ToolkitWindow::centreonscreen() {
  const QRect area = availablearea();
  const QMargins d = decoration();
  const QSize client = wanted_ ? wanted_->size() : size();
  const QSize outer = client.grownBy(d);
  const QPoint frame(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
  setwantedgeometry(QRect(frame + QPoint(d.left(), d.top()), client));
}

QMargins ToolkitWindow::decoration() const { return measureddecoration().value_or(lastdecoration); }

std::optional<QMargins> ToolkitWindow::measureddecoration() const {
  if (isHidden()) return std::nullopt;
  const QRect frame = frameGeometry(), client = geometry();
  const QMargins measured(client.left() - frame.left(), client.top() - frame.top(),
                          frame.right() - client.right(), frame.bottom() - client.bottom());
  if (measured.isNull()) return std::nullopt;  // not framed (yet)
  return measured;
}

QRect ToolkitWindow::availablearea() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
}

void ToolkitWindow::fit() {
  if (!wanted_) return;
  fittedwith_ = decoration();
  framechecked_ = false;
  const QRect area = availablearea();
  const std::optional<QRect> clear = callbacks_.keepclear ? callbacks_.keepclear(handle_) : std::nullopt;
  const std::optional<QRect> room = clear ? roombeside(*wanted_, area, fittedwith_, *clear) : std::nullopt;
  const QRect fitted = room ? fittedinroom(*wanted_, *room, fittedwith_)
                            : fittedgeometry(*wanted_, area, fittedwith_);
  setGeometry(fitted);
  // The content gets its size at once, as the window's layout would give it
  // later, so that the views are laid out against it right away even in a
  // window that is not shown yet.
  canvas_->resize(fitted.size() - QSize(0, titleheight()));
  // Made smaller to leave the other window's lines in sight, the picture
  // shows whole; the view menu still offers 1:1.
  if (room && fitted.size() != wanted_->size())
    if (auto* view = dynamic_cast<PictureView*>(focustarget_)) view->zoomtofit();
}

// The window manager frames a window only once it is shown; the first frame
// measured after a fitting is checked, and if it differs from the frame the
// window was fitted with, the window is fitted again with the real one. Later
// moves (the user's) are left alone.
void ToolkitWindow::checkframe() {
  if (framechecked_) return;
  const auto measured = measureddecoration();
  if (!measured) return;
  framechecked_ = true;
  lastdecoration = *measured;
  if (*measured != fittedwith_) fit();
}

void ToolkitWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
  if (callbacks_.closerequested) callbacks_.closerequested(handle_);
}

void ToolkitWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && callbacks_.activated)
    callbacks_.activated(handle_);
}

void ToolkitWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  checkframe();
}

// The window manager has framed a window by the time it is first exposed;
// Qt tells the widget nothing of it, so the native window is watched.
void ToolkitWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (QWindow* native = windowHandle(); native && !watchingexposure_) {
    native->installEventFilter(this);
    watchingexposure_ = true;
  }
}

bool ToolkitWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle()) checkframe();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vx::qt
