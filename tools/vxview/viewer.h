#pragma once
// The viewer's windows: each ".gr" file opens in a window of its own; the
// files that cannot be read are named, each with the reader's reason, in one
// German message box once the others show. Closing the last window ends the
// program, as "Beenden" does at once.
#include <QPointer>
#include <QStringList>
#include <vector>

#include "graphic_window.h"
#include "hosts/qt/about_box.h"

namespace vxview {

class Viewer {
 public:
  explicit Viewer(vx::AboutText about);
  ~Viewer();
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  // Opens the files, each in a shown window of its own; `into`, a window
  // without a picture, takes the first. Answers how many opened. Returns
  // after the user has read the message box about those that did not.
  int openfiles(const QStringList& paths, GraphicWindow* into = nullptr);
  // A shown window without a picture, for a start without files.
  GraphicWindow* emptywindow();
  // The open dialog (German, ".gr" files, several at once), then openfiles.
  void choosefiles(GraphicWindow* from);

  // The windows open now, oldest first.
  std::vector<GraphicWindow*> windows() const;

 private:
  struct Failure {
    QString path;
    QString reason;
    QString details;  // the reader's technical account, if any
  };
  GraphicWindow* newwindow();
  void reportfailures(const std::vector<Failure>& failures, QWidget* parent) const;

  vx::AboutText about_;
  std::vector<QPointer<GraphicWindow>> windows_;
};

}  // namespace vxview
