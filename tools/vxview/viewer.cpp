#include "viewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <iostream>

#include "hosts/qt/file_panels.h"

namespace vxview {
namespace {

QString quotedname(const QString& path) { return "„" + QFileInfo(path).fileName() + "“"; }

}  // namespace

Viewer::Viewer(vx::AboutText about) : about_(std::move(about)) {}

// Windows still open when the program ends go with it.
Viewer::~Viewer() {
  for (GraphicWindow* window : windows()) delete window;
}

GraphicWindow* Viewer::newwindow() {
  auto* window = new GraphicWindow({
      .open = [this](GraphicWindow* from) { choosefiles(from); },
      .about = [this](GraphicWindow* from) { vx::qt::showaboutbox("Über vxview", about_, from); },
      .quit = [] { QApplication::closeAllWindows(); },
  });
  windows_.emplace_back(window);
  return window;
}

std::vector<GraphicWindow*> Viewer::windows() const {
  std::vector<GraphicWindow*> open;
  for (const QPointer<GraphicWindow>& window : windows_)
    if (window) open.push_back(window);
  return open;
}

GraphicWindow* Viewer::emptywindow() {
  GraphicWindow* window = newwindow();
  window->show();
  return window;
}

int Viewer::openfiles(const QStringList& paths, GraphicWindow* into) {
  int opened = 0;
  std::vector<Failure> failures;
  GraphicWindow* last = into;
  for (const QString& path : paths) {
    GraphicFile graphic = readgraphicfile(path);
    if (!graphic.ok()) {
      failures.push_back({path, graphic.problem, graphic.details});
      continue;
    }
    GraphicWindow* window = into != nullptr && !into->haspicture() ? into : newwindow();
    window->showgraphic(path, std::move(graphic));
    window->show();
    last = window;
    ++opened;
    // The next dialog opens where this file is.
    vx::qt::setpanelfolder(QFileInfo(path).absolutePath());
  }
  if (!failures.empty()) reportfailures(failures, last);
  return opened;
}

void Viewer::choosefiles(GraphicWindow* from) {
  vx::OpenPanelRequest request;
  request.title = "Grafik öffnen";
  request.fileTypes = {"gr"};
  QStringList paths;
  for (const std::string& url : vx::qt::runopenpanel(request, from, true))
    paths << QUrl(QString::fromStdString(url)).toLocalFile();
  openfiles(paths, from);
}

// One box for all: the file's name and the reason, or a list of both.
void Viewer::reportfailures(const std::vector<Failure>& failures, QWidget* parent) const {
  QStringList lines, details;
  for (const Failure& failure : failures) {
    std::cerr << "vxview: " << failure.path.toStdString() << ": " << failure.reason.toStdString() << '\n';
    if (!failure.details.isEmpty()) std::cerr << "  " << failure.details.toStdString() << '\n';
    lines << quotedname(failure.path) + ": " + failure.reason;
    if (!failure.details.isEmpty()) details << quotedname(failure.path) + ": " + failure.details;
  }
  QMessageBox box(parent);
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(QStringLiteral("vxview"));
  if (failures.size() == 1) {
    box.setText(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(quotedname(failures.front().path)));
    box.setInformativeText(failures.front().reason);
  } else {
    box.setText(QStringLiteral("%1 Dateien können nicht geöffnet werden.").arg(failures.size()));
    box.setInformativeText(lines.join("\n\n"));
  }
  // The reader's technical account, for whoever wants it, behind "Details".
  if (!details.isEmpty()) box.setDetailedText(details.join("\n"));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

}  // namespace vxview
