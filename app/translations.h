// Qt's own texts (the buttons of message boxes, the text box's menu) in the game's language.
// Japanese is the default; the preferences may choose "en", where Qt keeps its own English.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace korvane {

// Installs the translators for the language ("ja" or "en") into the application; they live as
// long as it does. False, with one line on stderr, when a translation file is missing: the game
// then goes on with Qt's English.
bool InstallTranslations(QCoreApplication& app, const QString& language);

// The same, for the language chosen in the player's preferences.
bool InstallTranslations(QCoreApplication& app);

}  // namespace korvane
