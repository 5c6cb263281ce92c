#include "hosts/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

namespace vx::qt {

namespace {

// Where Qt keeps its translations: its own installation's folder, then the
// folder of the distribution's Qt 6, for a Qt that was built elsewhere.
QStringList translationfolders() {
  return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
          QStringLiteral("/usr/share/qt6/translations")};
}

}  // namespace

bool loadqttranslations() {
  const QLocale german(QLocale::German, QLocale::Germany);
  QLocale::setDefault(german);
  // Lives as long as the application, which uses it to the end.
  static auto* translator = new QTranslator;
  if (!translator->isEmpty()) return true;  // loaded before
  for (const QString& folder : translationfolders()) {
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return true;
    }
  }
  // A note of the host's own, not a toolkit diagnostic: it goes to standard
  // error, and only because something is missing.
  std::cerr << "loadqttranslations: qtbase_de.qm not found, Qt's dialogs stay in English.\n";
  return false;
}

}  // namespace vx::qt
