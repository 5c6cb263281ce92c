#include "png_export.h"

#include <QSaveFile>
#include <string>
#include <vector>

#include "picture_files.h"

namespace vxview {

QString exportpng(const vx::t_Graphic& rows, const QString& path) {
  std::vector<uint8_t> png;
  std::string problem;
  if (!vxpictures::picturebytes(rows, vxpictures::PictureType::Png, png, problem))
    return QStringLiteral("Das PNG lässt sich nicht bilden: %1").arg(QString::fromStdString(problem));
  QSaveFile file(path);
  const auto length = static_cast<qint64>(png.size());
  if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(png.data()), length) != length ||
      !file.commit())
    return QStringLiteral("Die Datei lässt sich nicht schreiben (%1).").arg(file.errorString());
  return {};
}

}  // namespace vxview
