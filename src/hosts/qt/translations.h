#pragma once
// Qt's own texts in German. The dialogs Qt draws itself (the file dialogs,
// message boxes, the text views' context menus) would otherwise speak English
// in a program that speaks German throughout. The texts come from Qt's
// translations (Debian package qt6-translations-l10n).

namespace vx::qt {

// Installs the German translation of Qt's texts and makes German the default
// locale, for dates and sizes in the dialogs. Writes one diagnostic line
// either way: the file it loaded, or that none was found.
bool loadqttranslations();

}  // namespace vx::qt
