#include "host/qt/file_panels.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
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

void prepare(QFileDialog& dialog, const std::string& title, const std::string& message,
             const std::string& button) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
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

std::string fileurl(const QString& path) {
  return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toStdString();
}

std::vector<std::string> runopenpanel(const OpenPanelRequest& request, QWidget* parent) {
  QFileDialog dialog(parent);
  prepare(dialog, request.title, request.message, request.buttonTitle);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const bool directoriesonly = request.canChooseDirectories && !request.canChooseFiles;
  dialog.setFileMode(directoriesonly ? QFileDialog::Directory : QFileDialog::ExistingFile);
  if (!directoriesonly) dialog.setNameFilters(namefilters(request.fileTypes, false));
  if (dialog.exec() != QDialog::Accepted) return {};
  std::vector<std::string> urls;
  for (const QString& path : dialog.selectedFiles()) urls.push_back(fileurl(path));
  return urls;
}

std::optional<std::string> runsavepanel(const SavePanelRequest& request, QWidget* parent) {
  QFileDialog dialog(parent);
  prepare(dialog, request.title, request.message, request.buttonTitle);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(namefilters(request.fileTypes, true));
  if (!request.nameFieldLabel.empty())
    dialog.setLabelText(QFileDialog::FileName, QString::fromStdString(request.nameFieldLabel));
  if (!request.proposedName.empty()) dialog.selectFile(QString::fromStdString(request.proposedName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return fileurl(chosen.front());
}

}  // namespace vx::qt
