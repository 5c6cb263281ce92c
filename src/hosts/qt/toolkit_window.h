#pragma once
// A top-level window of the desktop host. Its menu bar stands for the host's
// title bar (the toolkit measures it as such); its content is a canvas in host
// coordinates. The close box only hides the window.
//
// The geometry the toolkit asks for is kept as the wanted geometry; the
// window gets as much of it as fits the screen's available area with the
// window manager's frame around it (hosts/qt/screen_fit.h), and is fitted
// again once the window manager has framed it and its frame is known.
#include <QMainWindow>
#include <functional>
#include <optional>

#include "hosts/qt/bottom_left_canvas.h"
#include "runtime/types.h"

namespace vx::qt {

class ToolkitWindow : public QMainWindow {
 public:
  struct Callbacks {
    std::function<void(HostWindow)> closerequested;
    std::function<void(HostWindow)> activated;
    // The part of the screen (frame coordinates) the window must leave
    // visible, if any: another window's lines from its text cursor down.
    std::function<std::optional<QRect>(HostWindow)> keepclear;
  };

  ToolkitWindow(HostWindow handle, Callbacks callbacks);

  HostWindow handle() const { return handle_; }
  BottomLeftCanvas* canvas() const { return canvas_; }
  // The widget that takes the keyboard when the window becomes key.
  void setfocustarget(QWidget* widget) { focustarget_ = widget; }
  QWidget* focustarget() const { return focustarget_; }
  int titleheight() const;
  void settitled(bool titled);

  // The client geometry (Qt's, menu bar included) the toolkit asks for.
  void setwantedgeometry(const QRect& wanted);
  // Centres the window, frame included, in the screen's available area.
  void centreonscreen();
  // The window manager's frame around the client area: measured on this
  // window once it is framed, else as last measured on any window.
  QMargins decoration() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRect availablearea() const;
  void fit();
  void checkframe();
  std::optional<QMargins> measureddecoration() const;

  HostWindow handle_;
  Callbacks callbacks_;
  BottomLeftCanvas* canvas_;
  QWidget* focustarget_ = nullptr;
  bool titled_ = true;
  std::optional<QRect> wanted_;
  QMargins fittedwith_;        // the decoration the present geometry was fitted with
  bool framechecked_ = true;   // whether the real frame was compared with it since
  bool watchingexposure_ = false;
};

}  // namespace vx::qt
