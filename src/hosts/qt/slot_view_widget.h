#pragma once
// The view of one window slot: shows the slot's picture, scrolled and zoomed
// like any PictureView, and passes key presses, mouse clicks and modifier
// changes to the toolkit. A click reaches the toolkit at the window position
// it would have at 1:1 without scrolling, so the toolkit's click arithmetic
// finds the picture pixel under the mouse whatever the zoom.
#include <QImage>
#include <QKeySequence>
#include <functional>

#include "host/host_events.h"
#include "hosts/qt/picture_view.h"
#include "hosts/qt/slot_picture_source.h"
#include "runtime/types.h"

namespace vx::qt {

QImage toqimage(const HostImage& image);
HostImage tohostimage(const QImage& image);

class SlotViewWidget : public PictureView {
 public:
  SlotViewWidget(int slot, QWidget* parent);
  int slot() const { return slot_; }
  // The view's frame as the toolkit gave it (host coordinates in its window):
  // its size is the picture's size at 1:1.
  void settoolkitframe(Rect frame);
  Rect toolkitframe() const { return frame_; }
  // In a view smaller than its text, the text cursor's line stays in sight:
  // the view scrolls to it when the line moved since last asked, or always.
  void followcursor(bool always = false);
  // Keys of menu items: one that reaches the view belongs to an item that is
  // disabled, and goes no further.
  void setmenukeys(std::function<bool(const QKeySequence&)> ismenukey) { ismenukey_ = std::move(ismenukey); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Tab and Shift-Tab are keys for the program, not focus moves.
  bool focusNextPrevChild(bool next) override;

 private:
  HostMouseEvent hostmouseevent(const QMouseEvent& event) const;

  int slot_;
  Rect frame_;
  SlotPictureSource source_;
  std::function<bool(const QKeySequence&)> ismenukey_;
  int64_t cursortop_ = -1;  // the cursor line's top row when last followed
};

}  // namespace vx::qt
