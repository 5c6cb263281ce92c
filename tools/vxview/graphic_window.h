#pragma once
// One viewer window: a ".gr" file's picture in the desktop's picture view,
// which scrolls at 1:1 and zooms as the toolkit's graphic windows do (menu
// "Darstellung", Ctrl with the wheel), titled with the file's name, with a
// status line that gives the picture's size, depth, format and zoom. A window
// without a picture offers the open command and waits for a file.
#include <QMainWindow>
#include <functional>

#include "graphic_file.h"
#include "hosts/qt/picture_view.h"
#include "hosts/qt/slot_picture_source.h"

class QLabel;

namespace vxview {

class GraphicWindow : public QMainWindow {
 public:
  // The commands that reach beyond the window.
  struct Commands {
    std::function<void(GraphicWindow*)> open;   // "Öffnen …"
    std::function<void(GraphicWindow*)> about;  // "Über vxview"
    std::function<void()> quit;                 // "Beenden"
  };

  explicit GraphicWindow(Commands commands);
  ~GraphicWindow() override;

  // Shows the file's picture: at 1:1 in a window of its size when that fits
  // the screen, else whole in a window as large as the screen allows.
  void showgraphic(const QString& path, GraphicFile graphic);
  bool haspicture() const { return !path_.isEmpty(); }
  const QString& path() const { return path_; }
  vx::qt::PictureView* view() const { return view_; }
  QString statustext() const;

  // Writes the picture as a PNG, as "Als PNG exportieren …" does once a name
  // is chosen; false after a message box that says why not.
  bool exportpng(const QString& pngpath);

 private:
  void buildmenus();
  void addviewmenu();
  void choosepngname();
  void showstatus();
  QSize chrome();
  QSize sizeto(QSize wanted);

  Commands commands_;
  vx::qt::PictureView* view_;
  vx::qt::SlotPictureSource source_;
  GraphicFile graphic_;
  QString path_;
  QLabel* status_;
  QList<QAction*> pictureactions_;  // what needs a picture: export and zoom
};

}  // namespace vxview
