#include "app/translations.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "state/preferences.h"

namespace korvane {

bool InstallTranslations(QCoreApplication& app, const QString& language) {
  if (language == QStringLiteral("en")) return true;  // Qt's texts are English already
  auto* qt = new QTranslator(&app);
  const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!qt->load(QStringLiteral("qtbase_ja"), dir)) {
    std::fprintf(stderr,
                 "korvane: Qt の日本語訳 qtbase_ja.qm が %s にありません"
                 "（パッケージ qt6-translations-l10n）\n",
                 qUtf8Printable(dir));
    delete qt;
    return false;
  }
  QCoreApplication::installTranslator(qt);
  return true;
}

bool InstallTranslations(QCoreApplication& app) {
  return InstallTranslations(app, PreferenceStore(PreferenceStore::DefaultPath()).Load().language);
}

}  // namespace korvane
