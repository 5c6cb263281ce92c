#include "host/qt/toolkit_window.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace vx::qt {

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
  if (wasvisible) show();  // changing the flags hides a window
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

}  // namespace vx::qt
