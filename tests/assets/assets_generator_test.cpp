// The generator itself: the same sources give the same bytes, and broken sources are refused
// with a message instead of producing a half-made file.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct GenResult {
  int code = -1;
  QString err;
};

GenResult Generator(const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  p.setProcessEnvironment(env);
  p.start(KORVANE_ASSETGEN, args);
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardError())};
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

TEST(AssetGenerator, SameSourcesGiveTheSameBytes) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  const GenResult r = Generator({"generate", KORVANE_ASSETS_SRC, out.path()});
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  int compared = 0;
  QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString rel = QDir(out.path()).relativeFilePath(path);
    EXPECT_EQ(ReadAll(path), ReadAll(QString(KORVANE_DATA_DIR) + "/" + rel)) << rel.toStdString();
    ++compared;
  }
  EXPECT_EQ(compared, 82 + 1 + 5 + 1 + 8 + 3 + 9 + 7);
}

TEST(AssetGenerator, BrokenTunesAreRefused) {
  QTemporaryDir dir;
  const QString src = dir.filePath("tune.txt"), mid = dir.filePath("tune.mid");
  const struct {
    const char* text;
    const char* why;
  } cases[] = {{"tempo 120\ntrack a\n[c1]24\ntrack b\n[c1]23\n", "lasts"},  // tracks differ
               {"tempo 120\ntrack a\n[c1]10\n", "40 to 90"},                // too short
               {"tempo 120\ntrack a\n[c1]24 x\n", "unknown command"},
               {"tempo 120\ntrack a\n[c1 c1\n", "unclosed"},
               {"tempo 120\ntrack a\nc4 c8 [c1]23\n", "lasts"},  // does not end on a bar line
               {"c d e\n", "before the first track"}};
  for (const auto& c : cases) {
    Write(src, c.text);
    QFile::remove(mid);
    const GenResult r = Generator({"music", src, mid});
    EXPECT_NE(r.code, 0) << c.text;
    EXPECT_TRUE(r.err.contains(c.why)) << c.text << " -> " << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(mid)) << c.text;
  }
  Write(src, "tempo 120\ntrack a channel=0 program=0\n[c1]24\n");
  EXPECT_EQ(Generator({"music", src, mid}).code, 0);
  EXPECT_TRUE(QFile::exists(mid));
}

TEST(AssetGenerator, BrokenEffectsAndCardTablesAreRefused) {
  QTemporaryDir dir;
  const QString src = dir.filePath("fx.txt"), wav = dir.filePath("fx.wav");
  for (const char* text : {"rate 22050\nlength 20\n", "length 20\nvoice wave=sine colour=red\n",
                           "length 20\npeak 3\nvoice\n", "bogus\n"}) {
    Write(src, text);
    const GenResult r = Generator({"effect", src, wav});
    EXPECT_NE(r.code, 0) << text;
    EXPECT_FALSE(r.err.isEmpty()) << text;
    EXPECT_FALSE(QFile::exists(wav)) << text;
  }
  // A card table with a bad side code stops the whole run before anything is written.
  QDir(dir.path()).mkpath("src");
  Write(dir.filePath("src/cards.tsv"), "0\t0\t0\tx\t0\t妖精\n");
  const GenResult r = Generator({"generate", dir.filePath("src"), dir.filePath("out")});
  EXPECT_NE(r.code, 0);
  EXPECT_TRUE(r.err.contains("side code")) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("out/cards/CardMask.png")));
}

}  // namespace
