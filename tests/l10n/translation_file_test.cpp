// The translation source against the code: lupdate, run as the update command runs it, must find
// every text already translated; and the compiled translation installs and removes cleanly.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "state/preferences.h"
#include "tests/l10n/l10n_support.h"

namespace korvane::testing {
namespace {

struct TsEntry {
  QString context;
  QString source;
  QString type;  // "", "unfinished", "vanished" or "obsolete"
  QString translation;
};

std::vector<TsEntry> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<TsEntry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      entries.push_back({context, {}, {}, {}});
    } else if (xml.name() == u"source" && !entries.empty()) {
      entries.back().source = xml.readElementText();
    } else if (xml.name() == u"translation" && !entries.empty()) {
      entries.back().type = xml.attributes().value(QStringLiteral("type")).toString();
      entries.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

QStringList Split(const char* list) {
  return QString::fromUtf8(list).split(u',', Qt::SkipEmptyParts);
}

TEST(TranslationSource, LupdateFindsNothingNew) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ts = dir.filePath(QStringLiteral("korvane_en.ts"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANE_EN_TS), ts));
  QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);

  QProcess lupdate;
  lupdate.setWorkingDirectory(QStringLiteral(KORVANE_SOURCE_DIR));
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(QStringLiteral(KORVANE_LUPDATE), Split(KORVANE_LUPDATE_OPTIONS) +
                                                     Split(KORVANE_TRANSLATED_DIRS) +
                                                     QStringList{QStringLiteral("-ts"), ts});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

  const std::vector<TsEntry> before = ReadTs(QStringLiteral(KORVANE_EN_TS));
  const std::vector<TsEntry> after = ReadTs(ts);
  std::string problems;
  for (const TsEntry& e : after) {
    if (!e.type.isEmpty() || e.translation.isEmpty()) {
      problems += "\n  [" + e.context.toStdString() + "] " + e.source.toStdString() + " (" +
                  (e.type.isEmpty() ? "empty" : e.type.toStdString()) + ")";
    }
  }
  EXPECT_TRUE(problems.empty()) << "assets/translations/korvane_en.ts is behind the code; run "
                                   "`cmake --build build --target lupdate` and translate:"
                                << problems;
  // Entries whose text is gone from the code are dropped by the update command too.
  EXPECT_EQ(after.size(), before.size()) << "run `cmake --build build --target lupdate`";
}

TEST(Edition, InstallsTheEnglishTranslationAndTakesItAway) {
  {
    Edition edition(QStringLiteral(KORVANE_DATA_DIR));
    EXPECT_FALSE(EnglishEdition());
    EXPECT_EQ(edition.Language(), "ja");
    QString error;
    ASSERT_TRUE(edition.Use(QStringLiteral("en"), &error)) << error.toStdString();
    EXPECT_TRUE(EnglishEdition());
    EXPECT_EQ(edition.Language(), "en");
    EXPECT_TRUE(edition.Use(QStringLiteral("en")));  // again: nothing changes
    EXPECT_TRUE(edition.Use(QStringLiteral("ja")));
    EXPECT_FALSE(EnglishEdition());
    EXPECT_EQ(story::QuitChoice(), "終わる");
    ASSERT_TRUE(edition.Use(QStringLiteral("en")));
  }
  // Gone with the object that installed it.
  EXPECT_FALSE(EnglishEdition());

  // A missing or damaged file is told and leaves the Japanese edition.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const struct {
    const char* why;
    QByteArray bytes;  // the file's content; empty: no file
  } bad[] = {
      {"missing", {}},
      {"garbage", QByteArray("not a translation at all", 24)},
      {"truncated", QByteArray("\x3c\xb8\x64\x18\xca\xef\x9c\x95", 8)},
  };
  for (const auto& b : bad) {
    QDir(dir.path()).mkpath(QStringLiteral("translations"));
    QFile::remove(Edition::EnglishFile(dir.path()));
    if (!b.bytes.isEmpty()) {
      QFile f(Edition::EnglishFile(dir.path()));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(b.bytes);
    }
    Edition edition(dir.path());
    QString error;
    EXPECT_FALSE(edition.Use(QStringLiteral("en"), &error)) << b.why;
    EXPECT_TRUE(error.contains(QStringLiteral("korvane_en.qm"))) << b.why;
    EXPECT_FALSE(EnglishEdition()) << b.why;
    EXPECT_EQ(edition.Language(), "ja") << b.why;
  }
}

// The language of a start: the command line's (and then remembered), else the remembered one,
// else Japanese. Remembering writes the language alone.
TEST(Edition, StartLanguageAndItsMemory) {
  const struct {
    const char* file;         // the preferences file before the start
    const char* commandLine;  // --lang, or ""
    const char* language;     // the start's language
    const char* remembered;   // the file's language afterwards
  } cases[] = {
      {nullptr, "", "ja", "ja"},
      {"[game]\nlanguage=en\n", "", "en", "en"},
      {"[game]\nlanguage=xx\n", "", "ja", "ja"},
      {nullptr, "en", "en", "en"},
      {"[game]\nlanguage=en\n[view]\nzoom=2.5\n", "ja", "ja", "ja"},
      {"[view]\nzoom=9\n[duel]\npace=fast\n", "en", "en", "en"},
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    const PreferenceStore store(dir.filePath(QStringLiteral("korvane/preferences.ini")));
    QByteArray before;
    if (c.file) {
      QDir(dir.path()).mkpath(QStringLiteral("korvane"));
      QFile f(store.Path());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.file);
      before = c.file;
    }
    EXPECT_EQ(StartLanguage(QString::fromLatin1(c.commandLine), store), c.language) << c.file;
    EXPECT_EQ(store.Load().language, c.remembered) << c.file;
    // Nothing is written without --lang; with it, every other line stays.
    QFile f(store.Path());
    if (!*c.commandLine) {
      EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), before) << c.file;
    } else if (c.file) {
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      const QByteArray after = f.readAll();
      for (const QByteArray& line : before.split('\n')) {
        if (!line.startsWith("language=")) {
          EXPECT_TRUE(after.contains(line)) << line.toStdString();
        }
      }
    }
  }
}

}  // namespace
}  // namespace korvane::testing
