// The English edition: Qt's translation of the Japanese game, read from
// <data directory>/translations/korvane_en.qm (made by the build from
// assets/translations/korvane_en.ts and the English column of assets/cards.tsv). The Japanese
// edition needs no file. Installing the translation sends every window a LanguageChange event,
// so a switch takes effect at once.
#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace korvane {

class Edition {
 public:
  explicit Edition(QString dataDir);
  ~Edition();
  Edition(const Edition&) = delete;
  Edition& operator=(const Edition&) = delete;

  // "en" installs the English translation, anything else ("ja") removes it. Returns false and
  // puts a message into *error when the file is missing, damaged or not the English one; the
  // game then stays Japanese.
  bool Use(const QString& language, QString* error = nullptr);
  // "en" while the English translation is installed, else "ja".
  QString Language() const;

  static QString EnglishFile(const QString& dataDir);

 private:
  void Remove();

  QString dataDir_;
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace korvane
