#include "graphic_file.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "codecs/graphic_export.h"
#include "codecs/graphic_formats.h"
#include "codecs/graphic_import.h"

namespace vxview {
namespace {

constexpr qint64 HeaderLength = 16;

GraphicFile failed(QString problem, QString details = {}) {
  return {{}, 0, std::move(problem), std::move(details)};
}

// What the reader found, as a user would be told it.
QString whatiswrong(vx::GraphicFault fault, int64_t filesize) {
  using vx::GraphicFault;
  switch (fault) {
    case GraphicFault::HeaderCutShort:
      return filesize == 0 ? QStringLiteral("Die Datei ist leer.")
                           : QStringLiteral("Die Datei ist unvollständig: Sie endet schon im Dateikopf.");
    case GraphicFault::HeaderSize:
    case GraphicFault::Identifier: return QStringLiteral("Die Datei ist keine Grafikdatei von vxtools (.gr).");
    case GraphicFault::Format:
      return QStringLiteral("Die Datei hat ein Grafikformat, das vxview nicht kennt.");
    case GraphicFault::Size: return QStringLiteral("Die Datei ist beschädigt: Die Bildmaße im Dateikopf passen nicht zusammen.");
    case GraphicFault::PictureTooLarge:
      return QStringLiteral("Die Datei beschreibt ein Bild, das größer ist, als vxtools es fassen kann (16 MiB).");
    case GraphicFault::DataCutShort:
    case GraphicFault::DecodesShortOfPicture:
      return QStringLiteral("Die Datei ist unvollständig: Die Bilddaten enden, bevor das Bild vollständig ist.");
    case GraphicFault::DataPastPicture:
    case GraphicFault::DecodesPastPicture:
      return QStringLiteral("Die Datei ist beschädigt: Sie enthält mehr Bilddaten, als das Bild fasst.");
    case GraphicFault::InvalidRuns:
    case GraphicFault::InvalidCodes:
      return QStringLiteral("Die Datei ist beschädigt: Die Bilddaten sind fehlerhaft kodiert.");
    case GraphicFault::None: break;
  }
  return QStringLiteral("Die Datei ist beschädigt.");
}

GraphicFile failed(const vx::GraphicReading& reading, int64_t filesize) {
  return failed(whatiswrong(reading.Fault, filesize), QString::fromStdString(reading.Message));
}

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
  if (!header.ok()) return failed(header, file.size());
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
  if (!picture.ok()) return failed(picture, file.size());
  return {std::move(picture.Graphic), header.Graphic.Format, {}, {}};
}

QString formatwords(int64_t format) {
  static const char* const pixels[] = {"Schwarz-Weiß", "16 Farben", "256 Farben",
                                       "RGB-Farben", "Graustufen mit Alpha", "RGB-Farben mit Alpha"};
  const int64_t base = vx::graphicbaseformat(format);
  if (!vx::isgraphicformat(format) || base < 0 || base > 5) return QStringLiteral("unbekannt");
  QString words = QString::fromUtf8(pixels[base]);
  const int64_t stages = format % vx::g_FormatLZW;
  const bool lzw = format >= vx::g_FormatLZW, runs = stages >= vx::g_FormatRLE;
  if (stages % vx::g_FormatRLE >= vx::g_FormatPackedBit) words += QStringLiteral(", gepackt");
  if (runs && lzw) return words + QStringLiteral(", lauflängen- und LZW-kodiert");
  if (runs) return words + QStringLiteral(", lauflängenkodiert");
  if (lzw) return words + QStringLiteral(", LZW-kodiert");
  return words;
}

}  // namespace vxview
