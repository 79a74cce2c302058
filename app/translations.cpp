#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "state/language.h"
#include "state/preferences.h"

namespace korvane {

Edition::Edition(QString dataDir) : dataDir_(std::move(dataDir)) {}

Edition::~Edition() {
  Remove();
  UseQtJapanese(false);
}

QString Edition::EnglishFile(const QString& dataDir) {
  return QDir(dataDir).filePath(QStringLiteral("translations/korvane_en.qm"));
}

bool Edition::Use(const QString& language, QString* error) {
  if (language != QLatin1String("en")) {
    Remove();
    UseQtJapanese(true);
    return true;
  }
  if (translator_) return true;
  const QString path = EnglishFile(dataDir_);
  auto fail = [&](const QString& why) {
    // Told in both languages: the player asked for English, and the game goes on in Japanese.
    if (error) {
      *error = QStringLiteral(
                   "The English edition could not be loaded; the game stays in Japanese.\n"
                   "英語版を読み込めなかったため、日本語のままで遊びます。\n(%1: %2)")
                   .arg(path, why);
    }
    UseQtJapanese(true);  // the game stays Japanese, Qt's texts with it
    return false;
  };
  if (!QCoreApplication::instance()) return fail(QStringLiteral("no application to install it in"));
  if (!QFileInfo::exists(path)) return fail(QStringLiteral("not found"));
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(path)) return fail(QStringLiteral("not a translation file"));
  if (!QCoreApplication::installTranslator(translator.get())) {
    return fail(QStringLiteral("could not be installed"));
  }
  translator_ = std::move(translator);
  // A file that loads but does not declare itself English would leave a mixed game.
  if (!EnglishEdition()) {
    Remove();
    return fail(QStringLiteral("is not the English translation"));
  }
  UseQtJapanese(false);
  return true;
}

QString Edition::Language() const {
  return translator_ ? QStringLiteral("en") : QStringLiteral("ja");
}

void Edition::UseQtJapanese(bool use) {
  if (!use) {
    if (qtJapanese_) QCoreApplication::removeTranslator(qtJapanese_.get());
    qtJapanese_.reset();
    return;
  }
  if (qtJapanese_ || qtJapaneseMissing_ || !QCoreApplication::instance()) return;
  const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto qt = std::make_unique<QTranslator>();
  if (!qt->load(QStringLiteral("qtbase_ja"), dir) ||
      !QCoreApplication::installTranslator(qt.get())) {
    std::fprintf(stderr,
                 "korvane: Qt の日本語訳 qtbase_ja.qm が %s にありません"
                 "（パッケージ qt6-translations-l10n）。ボタンなどは英語のままです\n",
                 qUtf8Printable(dir));
    qtJapaneseMissing_ = true;  // said once
    return;
  }
  qtJapanese_ = std::move(qt);
}

void Edition::Remove() {
  if (!translator_) return;
  QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
}

QString StartLanguage(const QString& commandLine, const PreferenceStore& preferences) {
  if (!commandLine.isEmpty()) {
    (void)preferences.SaveLanguage(commandLine);
    return commandLine;
  }
  return preferences.Load().language;
}

}  // namespace korvane
