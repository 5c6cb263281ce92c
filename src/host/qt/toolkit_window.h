#pragma once
// A top-level window of the desktop host. Its menu bar stands for the host's
// title bar (the toolkit measures it as such); its content is a canvas in host
// coordinates. The close box only hides the window.
#include <QMainWindow>
#include <functional>

#include "host/qt/bottom_left_canvas.h"
#include "runtime/types.h"

namespace vx::qt {

class ToolkitWindow : public QMainWindow {
 public:
  struct Callbacks {
    std::function<void(HostWindow)> closerequested;
    std::function<void(HostWindow)> activated;
  };

  ToolkitWindow(HostWindow handle, Callbacks callbacks);

  HostWindow handle() const { return handle_; }
  BottomLeftCanvas* canvas() const { return canvas_; }
  // The widget that takes the keyboard when the window becomes key.
  void setfocustarget(QWidget* widget) { focustarget_ = widget; }
  QWidget* focustarget() const { return focustarget_; }
  int titleheight() const;
  void settitled(bool titled);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  HostWindow handle_;
  Callbacks callbacks_;
  BottomLeftCanvas* canvas_;
  QWidget* focustarget_ = nullptr;
  bool titled_ = true;
};

}  // namespace vx::qt
