#include "graphic_window.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <cmath>

#include "codecs/graphic_formats.h"
#include "codecs/graphic_rows.h"
#include "host/interface_description.h"
#include "hosts/qt/file_panels.h"
#include "hosts/qt/menu_bar_set.h"
#include "hosts/qt/screen_fit.h"
#include "png_export.h"

namespace vxview {
namespace {

// Room the window manager's frame takes around a window on the usual
// desktops: a window of the screen's available size less this stays whole.
const QSize FrameRoom(16, 64);

// Around a picture smaller than the window: set off from white pictures.
const QColor Surround(0x80, 0x80, 0x80);

QString germannumber(double value, int decimals) { return QLocale().toString(value, 'f', decimals); }

// "100 %", "12,5 %": a whole percentage where it is one.
QString percentage(double zoom) {
  const double percent = zoom * 100;
  return germannumber(percent, std::abs(percent - std::round(percent)) < 0.05 ? 0 : 1) + " %";
}

// Puts the picture on the view at its size; the bytes are the window's own
// as long as it shows them.
void attach(vx::qt::SlotPictureSource& source, const vx::t_Graphic& rows) {
  const vx::StoredPicture stored = vx::graphicstoredpicture(rows);
  source.setsize(QSize(static_cast<int>(stored.width), static_cast<int>(stored.height)));
  source.setpicture(stored);
}

}  // namespace

GraphicWindow::GraphicWindow(Commands commands)
    : commands_(std::move(commands)), view_(new vx::qt::PictureView(this)), status_(new QLabel(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("vxview"));
  view_->setbackground(Surround);
  view_->setzoomlistener([this] { showstatus(); });
  setCentralWidget(view_);
  statusBar()->addWidget(status_, 1);
  buildmenus();
  showstatus();
  resize(480, 360);
}

GraphicWindow::~GraphicWindow() { view_->setsource(nullptr); }

void GraphicWindow::buildmenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Ablage"));
  file->addAction(QStringLiteral("Öffnen …"), QKeySequence(QStringLiteral("Ctrl+O")), this,
                  [this] { commands_.open(this); });
  pictureactions_ << file->addAction(QStringLiteral("Als PNG exportieren …"), this, [this] { choosepngname(); });
  file->addSeparator();
  file->addAction(QStringLiteral("Schließen"), QKeySequence(QStringLiteral("Ctrl+W")), this, [this] { close(); });
  file->addAction(QStringLiteral("Beenden"), QKeySequence(QStringLiteral("Ctrl+Q")), this,
                  [this] { commands_.quit(); });
  addviewmenu();
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  help->addAction(QStringLiteral("Über vxview"), this, [this] { commands_.about(this); });
  for (QAction* action : pictureactions_) action->setEnabled(false);
}

// The same menu, titles and keys as the toolkit's graphic windows.
void GraphicWindow::addviewmenu() {
  const vx::MenuDescription description = vx::viewmenudescription();
  QMenu* menu = menuBar()->addMenu("&" + QString::fromStdString(description.title));
  for (const vx::MenuItemDescription& item : description.items) {
    QAction* action = menu->addAction(QString::fromStdString(item.title), vx::qt::menushortcut(item), this,
                                      [this, role = item.role] {
                                        if (role == vx::MenuRole::ZoomToFit) view_->zoomtofit();
                                        if (role == vx::MenuRole::ZoomActualSize) view_->zoomtoactualsize();
                                        showstatus();
                                      });
    pictureactions_ << action;
  }
}

void GraphicWindow::showgraphic(const QString& path, GraphicFile graphic) {
  path_ = path;
  graphic_ = std::move(graphic);
  attach(source_, graphic_.rows);
  view_->setsource(&source_);
  setWindowTitle(QFileInfo(path).fileName());
  for (QAction* action : pictureactions_) action->setEnabled(true);
  const QSize picture = source_.size();
  const QSize around = chrome();
  const QSize given = sizeto((picture + around).expandedTo(QSize(360, 0)));
  // A picture larger than the window shows whole at first; the zoom commands
  // and the wheel take it to 1:1 and anywhere between.
  if (!QRect(QPoint(), given - around).contains(QRect(QPoint(), picture))) view_->zoomtofit();
  showstatus();
}

// Sizes the window as near to `wanted` as the screen's available area allows
// with the window manager's frame around it; answers the size it got. A window
// not shown yet is placed by the window manager; a shown one (that took its
// first picture) grows from where it stands, moved as little as needed.
QSize GraphicWindow::sizeto(QSize wanted) {
  const QScreen* shown = screen();
  if (shown == nullptr) {
    resize(wanted);
    return wanted;
  }
  const QRect available = shown->availableGeometry();
  if (!isVisible()) {
    wanted = wanted.boundedTo(available.size() - FrameRoom);
    resize(wanted);
    return wanted;
  }
  const QRect inner = geometry(), outer = frameGeometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                       outer.bottom() - inner.bottom());
  const QRect fitted = vx::qt::fittedgeometry(QRect(inner.topLeft(), wanted), available, frame);
  setGeometry(fitted);
  return fitted.size();
}

// What the window takes around its view: the menu bar and the status line.
QSize GraphicWindow::chrome() {
  layout()->activate();
  return size() - view_->size();
}

QString GraphicWindow::statustext() const {
  if (!haspicture()) return QStringLiteral("Keine Grafik geöffnet: Ablage → Öffnen … (Strg+O)");
  const vx::t_Graphic& g = graphic_.rows;
  const int64_t depth = vx::graphicwindowdepth(vx::graphicbaseformat(g.Format));
  const QString zoom = view_->fitting() ? "eingepasst, " + percentage(view_->zoom()) : percentage(view_->zoom());
  return QStringLiteral("%1 × %2 Pixel · %3 Bit · Format %4 (%5) · %6")
      .arg(g.Width)
      .arg(g.Height)
      .arg(depth)
      .arg(graphic_.storedformat)
      .arg(formatwords(graphic_.storedformat))
      .arg(zoom);
}

void GraphicWindow::showstatus() { status_->setText(statustext()); }

// The save dialog proposes the file's name with ".png", in the file's folder.
void GraphicWindow::choosepngname() {
  const QFileInfo file(path_);
  vx::SavePanelRequest request;
  request.title = "Als PNG exportieren";
  request.buttonTitle = "Exportieren";
  request.fileTypes = {"png"};
  request.proposedName = (file.absolutePath() + "/" + file.completeBaseName() + ".png").toStdString();
  const std::optional<std::string> chosen = vx::qt::runsavepanel(request, this);
  if (!chosen) return;
  const QString pngpath = QUrl(QString::fromStdString(*chosen)).toLocalFile();
  if (exportpng(pngpath)) statusBar()->showMessage("Als PNG exportiert: " + pngpath, 5000);
}

bool GraphicWindow::exportpng(const QString& pngpath) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const QString problem = vxview::exportpng(graphic_.rows, pngpath);
  QApplication::restoreOverrideCursor();
  if (problem.isEmpty()) return true;
  QMessageBox box(QMessageBox::Warning, QStringLiteral("vxview"),
                  QStringLiteral("„%1“ kann nicht als PNG exportiert werden.").arg(QFileInfo(pngpath).fileName()),
                  QMessageBox::Ok, this);
  box.setInformativeText(problem);
  box.exec();
  return false;
}

}  // namespace vxview
