// The generator itself: the same sources give the same bytes, and broken sources are refused
// with a message instead of producing a half-made file.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "tests/assets/smf_reader.h"

namespace {
using namespace assets_test;

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
  // At 1x, 2x and 3x: cards, mask, duel pictures, portraits, town, both logos and light tile;
  // then the icon, the nine close-ups, the tunes and the effects.
  EXPECT_EQ(compared, 3 * (82 + 1 + 5 + 8 + 4) + 1 + 9 + 9 + 7);
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

TEST(AssetGenerator, NotationMeansWhatItSays) {
  QTemporaryDir dir;
  const QString src = dir.filePath("tune.txt"), mid = dir.filePath("tune.mid");
  Write(src,
        "tempo 120\n"
        "define Riff = c8 > c8 <\n"
        "track a channel=2 program=5\n"
        "  o4 l4 q8 c d+ e-8 r8 f | [g a]2 | {ce>g}2. $Riff |\n"
        "  c4^8 v50 n60:8 v96 q4 d2 | [r1]20\n");
  const GenResult r = Generator({"music", src, mid});
  ASSERT_EQ(r.code, 0) << r.err.toStdString();
  const MidiSummary s = ReadMidi(ReadAll(mid));
  ASSERT_TRUE(s.ok) << s.error.toStdString();
  EXPECT_EQ(s.division, 480);
  EXPECT_DOUBLE_EQ(s.seconds, 48.0);  // 24 bars of 4 beats at 120
  EXPECT_EQ(s.programs.at(2), 5);
  std::vector<Note> notes = s.notes;
  std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
    return a.start != b.start ? a.start < b.start : a.key < b.key;
  });
  const struct {
    uint32_t start, end;
    int key;
  } want[] = {{0, 480, 60},     {480, 960, 63},   {960, 1200, 63},  {1440, 1920, 65},
              {1920, 2400, 67}, {2400, 2880, 69}, {2880, 3360, 67}, {3360, 3840, 69},
              {3840, 5280, 60}, {3840, 5280, 64}, {3840, 5280, 79}, {5280, 5520, 60},
              {5520, 5760, 72}, {5760, 6480, 60}, {6480, 6720, 60}, {6720, 7200, 62}};
  ASSERT_EQ(notes.size(), std::size(want));
  for (size_t k = 0; k < notes.size(); ++k) {
    EXPECT_EQ(notes[k].start, want[k].start) << "note " << k;
    EXPECT_EQ(notes[k].end, want[k].end) << "note " << k;
    EXPECT_EQ(notes[k].key, want[k].key) << "note " << k;
    EXPECT_EQ(notes[k].channel, 2);
    EXPECT_EQ(notes[k].velocity, k == 14 ? 50 : 96) << "note " << k;
  }
}

TEST(AssetGenerator, EffectsFollowTheirParameters) {
  QTemporaryDir dir;
  const QString src = dir.filePath("fx.txt"), wav = dir.filePath("fx.wav");
  Write(src,
        "rate 8000\nlength 500\npeak 0.5\n"
        "voice wave=sine start=100 dur=300 f0=440 f1=440 attack=10 release=10\n");
  ASSERT_EQ(Generator({"effect", src, wav}).code, 0);
  const Wav w = ReadWav(ReadAll(wav));
  ASSERT_TRUE(w.ok);
  EXPECT_EQ(w.rate, 8000);
  ASSERT_EQ(w.samples.size(), 4000u);  // 500 ms
  int peak = 0, crossings = 0;
  for (size_t k = 0; k < w.samples.size(); ++k) {
    const double ms = k / 8.0;
    if (ms < 100 || ms >= 400) {
      ASSERT_EQ(w.samples[k], 0) << "sound outside the voice at " << ms;
    }
    peak = std::max(peak, std::abs(int(w.samples[k])));
    if (k && ms > 150 && ms < 350 && (w.samples[k - 1] < 0) != (w.samples[k] < 0)) ++crossings;
  }
  EXPECT_NEAR(peak, 0.5 * 32767, 200);
  EXPECT_NEAR(crossings, 2 * 440 * 0.2, 4);  // 440 Hz over 200 ms
}

TEST(AssetGenerator, ContactSheetShowsEveryPictureOrSaysWhatIsMissing) {
  QTemporaryDir dir;
  const QString sheet = dir.filePath("sheet.png");
  const GenResult ok =
      Generator({"contact", KORVANE_DATA_DIR, sheet, QString(KORVANE_ASSETS_SRC) + "/cards.tsv"});
  ASSERT_EQ(ok.code, 0) << ok.err.toStdString();
  const QImage img(sheet);
  ASSERT_FALSE(img.isNull());
  EXPECT_GE(img.width(), 11 * 160);  // eleven doubled cards to a row
  EXPECT_GE(img.height(), 402 + 406);
  // An empty data folder: no sheet, and a message naming what is missing.
  QDir(dir.path()).mkpath("empty");
  const GenResult bad = Generator({"contact", dir.filePath("empty"), dir.filePath("none.png")});
  EXPECT_NE(bad.code, 0);
  EXPECT_TRUE(bad.err.contains("missing pictures") && bad.err.contains("Board.png"))
      << bad.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("none.png")));
}

}  // namespace
