#pragma once
// The view of one window slot: shows the slot's picture in its rectangle and
// passes key presses, mouse clicks and modifier changes to the toolkit.
#include <QImage>
#include <QWidget>

#include "host/host_events.h"
#include "runtime/types.h"

namespace vx::qt {

QImage toqimage(const HostImage& image);
HostImage tohostimage(const QImage& image);

class SlotViewWidget : public QWidget {
 public:
  SlotViewWidget(int slot, QWidget* parent);
  int slot() const { return slot_; }
  const QImage& shown() const { return shown_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Tab and Shift-Tab are keys for the program, not focus moves.
  bool focusNextPrevChild(bool next) override;

 private:
  HostMouseEvent hostmouseevent(const QMouseEvent& event) const;

  int slot_;
  QImage shown_;  // the last picture the toolkit gave
};

}  // namespace vx::qt
