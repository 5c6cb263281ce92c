#include "hosts/qt/about_box.h"

#include <QMessageBox>
#include <QString>

// The toolkit's version; the build gives it.
#ifndef VX_TOOLKIT_VERSION
#define VX_TOOLKIT_VERSION "?"
#endif

namespace vx::qt {

namespace {

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

}  // namespace

QString abouttext(const AboutText& about) {
  QStringList lines;
  if (!about.program.empty()) lines << "<b>" + escaped(about.program) + "</b>";
  if (!about.version.empty()) lines << "Version " + escaped(about.version);
  if (!about.notice.empty()) lines << escaped(about.notice);
  lines << QStringLiteral("Grafik-Werkzeugkasten vxtools " VX_TOOLKIT_VERSION);
  return "<p>" + lines.join("<br>") + "</p>";
}

void showaboutbox(const std::string& title, const AboutText& about, QWidget* parent) {
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(title));
  box.setTextFormat(Qt::RichText);
  box.setText(abouttext(about));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

}  // namespace vx::qt
