#include "graphic_file.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "codecs/graphic_import.h"

namespace vxview {
namespace {

constexpr qint64 HeaderLength = 16;

GraphicFile failed(QString problem) { return {{}, 0, std::move(problem)}; }

QString fromreader(const std::string& message) { return QString::fromStdString(message); }

// Reads `count` bytes from where the file stands onto the end of `bytes`.
bool readonto(QFile& file, qint64 count, std::vector<uint8_t>& bytes) {
  const size_t start = bytes.size();
  bytes.resize(start + static_cast<size_t>(count));
  return file.read(reinterpret_cast<char*>(bytes.data() + start), count) == count;
}

}  // namespace

GraphicFile readgraphicfile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return failed(QStringLiteral("Die Datei gibt es nicht."));
  // Folders, devices and pipes have no end to read up to.
  if (!info.isFile()) return failed(QStringLiteral("Das ist keine gewöhnliche Datei."));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return failed(QStringLiteral("Die Datei lässt sich nicht lesen (%1).").arg(file.errorString()));
  // The header first: a file that is no graphic, or longer than its header
  // allows, is refused without being read whole.
  std::vector<uint8_t> bytes;
  if (!readonto(file, std::min(file.size(), HeaderLength), bytes))
    return failed(QStringLiteral("Die Datei lässt sich nicht lesen (%1).").arg(file.errorString()));
  const vx::GraphicReading header = vx::graphicfromfilebytes(bytes);
  if (!header.ok()) return failed(fromreader(header.Message));
  const qint64 limit = vx::graphicfilelimit(header.Graphic);
  if (file.size() > limit)
    return failed(QStringLiteral("Die Datei ist mit %1 Bytes länger, als eine Grafik von %2 x %3 Pixeln "
                                 "im Format %4 sein kann (%5 Bytes).")
                      .arg(file.size())
                      .arg(header.Graphic.Width)
                      .arg(header.Graphic.Height)
                      .arg(header.Graphic.Format)
                      .arg(limit));
  if (!readonto(file, file.size() - HeaderLength, bytes))
    return failed(QStringLiteral("Die Datei lässt sich nicht lesen (%1).").arg(file.errorString()));
  vx::GraphicReading picture = vx::readgraphicrows(bytes);
  if (!picture.ok()) return failed(fromreader(picture.Message));
  return {std::move(picture.Graphic), header.Graphic.Format, {}};
}

}  // namespace vxview
