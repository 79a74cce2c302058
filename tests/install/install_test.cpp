// The game as it is installed: `cmake --install` into a temporary prefix gives exactly the files
// a desktop expects and nothing of the build (tests, benchmarks, the asset generator); the
// installed programs find the installed data; --help and --version answer without a display;
// and the player's save folder is the one it always was.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/command_line.h"
#include "state/preferences.h"
#include "state/save_files.h"

namespace {

struct Outcome {
  int code = -1;
  QString out, err;
};

// `removeDisplay`: no X, no Wayland and no Qt platform, as on a console or a build machine.
Outcome Start(const QString& program, const QStringList& args, bool removeDisplay = false,
              const QString& home = QString()) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (removeDisplay) {
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
  }
  if (!home.isEmpty()) {
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_CONFIG_HOME", home + "/config");
  }
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

QSet<QString> FilesUnder(const QString& root) {
  QSet<QString> files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files.insert(QDir(root).relativeFilePath(it.next()));
  return files;
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class InstalledTree : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = new QTemporaryDir;
    const Outcome r =
        Start(KORVANE_CMAKE, {"--install", KORVANE_BUILD_DIR, "--prefix", prefix_->path()});
    ASSERT_EQ(r.code, 0) << r.out.toStdString() << r.err.toStdString();
  }
  static void TearDownTestSuite() {
    delete prefix_;
    prefix_ = nullptr;
  }
  static QString Path(const QString& rel) { return prefix_->path() + "/" + rel; }
  static QTemporaryDir* prefix_;
};
QTemporaryDir* InstalledTree::prefix_ = nullptr;

TEST_F(InstalledTree, HoldsEveryListedFileAndNothingElse) {
  const QString id = KORVANE_APP_ID;
  // What each file must be: a program, an icon of a size, or a text holding a line.
  struct Expected {
    QString path;
    int iconSize = 0;
    QString holds;
  };
  std::vector<Expected> expected = {
      {"bin/korvane", 0, ""},
      {"bin/korvane-tool", 0, ""},
      {"share/applications/" + id + ".desktop", 0, "\nIcon=" + id + "\n"},
      {"share/applications/" + id + ".desktop", 0, "\nCategories=Game;CardGame;\n"},
      {"share/applications/" + id + ".desktop", 0, "\nName[ja]="},
      // Outside /usr the entry starts the program by its full path.
      {"share/applications/" + id + ".desktop", 0,
       "\nExec=\"" + prefix_->path() + "/bin/korvane\"\n"},
      {"share/applications/" + id + ".desktop", 0, "\nComment[ja]="},
      {"share/metainfo/" + id + ".metainfo.xml", 0, "<id>" + id + "</id>"},
      {"share/metainfo/" + id + ".metainfo.xml", 0,
       "<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"},
      {"share/metainfo/" + id + ".metainfo.xml", 0,
       QString("<release version=\"%1\"").arg(KORVANE_VERSION)},
      {"share/man/man6/korvane.6.gz", 0, ""},
      {"share/man/man6/korvane-tool.6.gz", 0, ""},
      {"share/doc/korvane/copyright", 0, "License: GPL-3+"},
  };
  for (int size : {16, 32, 48, 64, 128, 256, 512}) {
    expected.push_back(
        {QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id), size, QString()});
  }
  // The game data: every file the build generated, under the folder the game looks in.
  QSet<QString> wanted;
  for (const QString& f : FilesUnder(KORVANE_DATA_DIR)) wanted.insert("share/korvane/data/" + f);
  ASSERT_GE(wanted.size(), 100) << "the build's data folder looks incomplete";
  for (const Expected& e : expected) wanted.insert(e.path);

  const QSet<QString> installed = FilesUnder(prefix_->path());
  for (const QString& f : wanted)
    EXPECT_TRUE(installed.contains(f)) << "missing: " << f.toStdString();
  for (const QString& f : installed)
    EXPECT_TRUE(wanted.contains(f)) << "not meant to be installed: " << f.toStdString();

  for (const Expected& e : expected) {
    const QString path = Path(e.path);
    if (e.path.startsWith("bin/")) {
      EXPECT_TRUE(QFileInfo(path).isExecutable()) << e.path.toStdString();
    } else if (e.iconSize) {
      const QImage icon(path);
      EXPECT_EQ(icon.size(), QSize(e.iconSize, e.iconSize)) << e.path.toStdString();
      EXPECT_TRUE(icon.hasAlphaChannel()) << e.path.toStdString();
      EXPECT_EQ(qAlpha(icon.pixel(e.iconSize / 2, e.iconSize / 2)), 255) << e.path.toStdString();
    } else if (!e.holds.isEmpty()) {
      EXPECT_TRUE(QString::fromUtf8(Read(path)).contains(e.holds))
          << e.path.toStdString() << " lacks " << e.holds.toStdString();
    } else {
      EXPECT_GT(QFileInfo(path).size(), 0) << e.path.toStdString();
    }
  }
}

TEST_F(InstalledTree, ProgramsFindTheInstalledData) {
  QTemporaryDir home;
  const Outcome game = Start(Path("bin/korvane"), {"--quit-after-title"}, false, home.path());
  EXPECT_EQ(game.code, 0) << game.err.toStdString();
  EXPECT_TRUE(game.out.contains("title window shown"));
  EXPECT_TRUE(game.out.contains("data from " + QDir(Path("share/korvane/data")).canonicalPath()))
      << game.out.toStdString();
  // The check start writes nothing into the player's folders.
  EXPECT_TRUE(FilesUnder(home.path()).isEmpty());

  const Outcome tool = Start(Path("bin/korvane-tool"), {"carddata", "dump"});
  EXPECT_EQ(tool.code, 0) << tool.err.toStdString();
  EXPECT_EQ(tool.out.count('\n'), 40);
}

TEST(CommandLine, AnswersWithoutADisplay) {
  const struct {
    QStringList args;
    bool display;
    int code;
    QString out, err;
  } cases[] = {
      {{"--version"}, false, 0, QString("korvane %1\n").arg(KORVANE_VERSION), ""},
      {{"-v"}, false, 0, QString("korvane %1\n").arg(KORVANE_VERSION), ""},
      {{"--help"}, false, 0, "--quit-after-title", ""},
      {{"--help"}, false, 0, "--lang <ja|en>", ""},
      {{"-h"}, false, 0, "--version", ""},
      // A wrong command line is told before a display is opened, Qt's own options left aside.
      {{"--bogus"}, false, 2, "", "Unknown option 'bogus'"},
      {{"-style", "fusion", "--bogus"}, false, 2, "", "Unknown option 'bogus'"},
      {{"--no-such-option"}, true, 2, "", "no-such-option"},
      {{"stray"}, false, 2, "", "unexpected argument \"stray\""},
      {{"--lang", "fr"}, false, 2, "", "--lang takes ja or en"},
      {{"--lang"}, false, 2, "", "lang"},
  };
  for (const auto& c : cases) {
    const Outcome r = Start(KORVANE_GAME, c.args, !c.display);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(r.code, c.code) << what << ": " << r.err.toStdString();
    if (c.code == 0 && c.out.endsWith('\n')) {
      EXPECT_EQ(r.out, c.out) << what;
    } else {
      EXPECT_TRUE(r.out.contains(c.out)) << what << ": " << r.out.toStdString();
    }
    EXPECT_TRUE(r.err.contains(c.err)) << what << ": " << r.err.toStdString();
  }
}

// The save, the settings and our preferences stay where every earlier version put them, so an
// upgrade never hides a player's game.
TEST(Identity, SaveAndPreferencesStayWhereTheyWere) {
  QTemporaryDir xdg;
  qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path() + "/data"));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(xdg.path() + "/config"));
  // The same order as the game's start.
  korvane::SetApplicationIdentity();
  int argc = 1;
  char name[] = "korvane";
  char* argv[] = {name, nullptr};
  ASSERT_FALSE(korvane::AnswerInfoOptions(argc, argv).has_value());
  QGuiApplication app(argc, argv);

  const QString data = xdg.path() + "/data/korvane", config = xdg.path() + "/config/korvane";
  EXPECT_EQ(QCoreApplication::organizationName().toStdString(), "");
  EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
            data.toStdString());
  EXPECT_EQ(korvane::SaveStore::DefaultDirectory().toStdString(), data.toStdString());
  EXPECT_EQ(korvane::PreferenceStore::DefaultPath().toStdString(),
            (config + "/preferences.ini").toStdString());
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), KORVANE_APP_ID);
}

}  // namespace
