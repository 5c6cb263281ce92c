#include "hosts/qt/file_panels.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>
#include <QUrl>

namespace vx::qt {

namespace {

QStringList namefilters(const std::vector<std::string>& types, bool othersallowed) {
  QStringList filters;
  if (!types.empty()) {
    QStringList patterns;
    for (const std::string& t : types) patterns << "*." + QString::fromStdString(t);
    filters << patterns.join(' ');
  }
  if (types.empty() || othersallowed) filters << "Alle Dateien (*)";
  return filters;
}

// The folder the last panel was closed in with a choice; empty until then.
// Touched on the main thread only, where the panels run.
QString& lastfolder() {
  static QString folder;
  return folder;
}

void remembers(const QString& chosen) { lastfolder() = QFileInfo(chosen).absolutePath(); }

void prepare(QFileDialog& dialog, const std::string& title, const std::string& message,
             const std::string& button) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setDirectory(panelfolder());
  if (!title.empty()) dialog.setWindowTitle(QString::fromStdString(title));
  if (!button.empty()) dialog.setLabelText(QFileDialog::Accept, QString::fromStdString(button));
  if (!message.empty()) {
    // The message stands above everything else in the dialog.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      auto* label = new QLabel(QString::fromStdString(message), &dialog);
      label->setWordWrap(true);
      grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
  }
}

}  // namespace

QString firstpanelfolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (!pictures.isEmpty() && QDir(pictures).exists()) return pictures;
  return QDir::homePath();
}

QString panelfolder() { return lastfolder().isEmpty() ? firstpanelfolder() : lastfolder(); }

void setpanelfolder(const QString& folder) { lastfolder() = folder; }

std::string fileurl(const QString& path) {
  return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toStdString();
}

std::vector<std::string> runopenpanel(const OpenPanelRequest& request, QWidget* parent, bool several) {
  QFileDialog dialog(parent);
  prepare(dialog, request.title, request.message, request.buttonTitle);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const bool directoriesonly = request.canChooseDirectories && !request.canChooseFiles;
  const auto files = several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile;
  dialog.setFileMode(directoriesonly ? QFileDialog::Directory : files);
  if (!directoriesonly) dialog.setNameFilters(namefilters(request.fileTypes, false));
  if (dialog.exec() != QDialog::Accepted) return {};
  std::vector<std::string> urls;
  for (const QString& path : dialog.selectedFiles()) urls.push_back(fileurl(path));
  if (!dialog.selectedFiles().isEmpty()) remembers(dialog.selectedFiles().front());
  return urls;
}

std::optional<std::string> runsavepanel(const SavePanelRequest& request, QWidget* parent) {
  QFileDialog dialog(parent);
  prepare(dialog, request.title, request.message, request.buttonTitle);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(namefilters(request.fileTypes, true));
  // A name typed without an extension gets the first offered one.
  if (!request.fileTypes.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.fileTypes.front()));
  if (!request.nameFieldLabel.empty())
    dialog.setLabelText(QFileDialog::FileName, QString::fromStdString(request.nameFieldLabel));
  if (!request.proposedName.empty()) dialog.selectFile(QString::fromStdString(request.proposedName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  remembers(chosen.front());
  return fileurl(chosen.front());
}

}  // namespace vx::qt
