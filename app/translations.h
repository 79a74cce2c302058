// The English edition: Qt's translation of the Japanese game, read from
// <data directory>/translations/korvane_en.qm (made by the build from
// assets/translations/korvane_en.ts and the English column of assets/cards.tsv). The Japanese
// edition needs no file of ours, but Qt's own texts (the buttons of message boxes, the text box's
// menu) are put into Japanese with Qt's qtbase_ja.qm. Installing or removing a translation sends
// every window a LanguageChange event, so a switch takes effect at once.
#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace korvane {

class PreferenceStore;

class Edition {
 public:
  explicit Edition(QString dataDir);
  ~Edition();
  Edition(const Edition&) = delete;
  Edition& operator=(const Edition&) = delete;

  // "en" installs the English translation, anything else ("ja") removes it and puts Qt's own
  // texts into Japanese. Returns false and puts a message into *error when our English file is
  // missing, damaged or not the English one; the game then stays Japanese. Qt's Japanese file
  // missing costs only Qt's own buttons (they stay English): it is told on stderr once.
  bool Use(const QString& language, QString* error = nullptr);
  // "en" while the English translation is installed, else "ja".
  QString Language() const;
  // Whether Qt's own Japanese texts are installed.
  bool QtJapanese() const { return qtJapanese_ != nullptr; }

  static QString EnglishFile(const QString& dataDir);

 private:
  void Remove();
  void UseQtJapanese(bool use);

  QString dataDir_;
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<QTranslator> qtJapanese_;
  bool qtJapaneseMissingTold_ = false;
};

// The language of this run: the one the command line gives (it is remembered in the
// preferences), else the one remembered there, else Japanese, whatever the system's locale.
QString StartLanguage(const QString& commandLine, const PreferenceStore& preferences);
}  // namespace korvane
