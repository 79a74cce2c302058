// Our own preferences file: defaults without a file, a round trip, and nonsense read as defaults.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "state/preferences.h"

namespace korvane {
namespace {

TEST(Preferences, DefaultsRoundTripAndNonsense) {
  QTemporaryDir dir;
  const PreferenceStore store(QDir(dir.path()).filePath(QStringLiteral("sub/preferences.ini")));
  EXPECT_EQ(store.Load(), Preferences{});

  Preferences p;
  p.zoom = 2.5;
  p.fullScreen = true;
  p.pace = Pace::Fast;
  p.language = QStringLiteral("en");
  p.score = false;
  p.preview = false;
  p.mapMarks = false;
  p.patterns = true;
  p.highContrast = true;
  ASSERT_TRUE(store.Save(p));
  EXPECT_EQ(store.Load(), p);

  // Values a hand or another version wrote: each falls back to its default on its own.
  const struct {
    const char* ini;
    Preferences expected;
  } cases[] = {
      {"[view]\nzoom=0.3\n", {}},
      {"[view]\nzoom=nan\n", {}},
      {"[view]\nzoom=9\nfullScreen=true\n", {0.0, true, Pace::Normal, QStringLiteral("ja")}},
      {"[duel]\npace=warp\n[game]\nlanguage=fr\n", {}},
      {"\x01\x02garbage", {}},
      {"[help]\nscore=false\npreview=maybe\n", [] {
         Preferences noScore;
         noScore.score = false;
         return noScore;
       }()},
  };
  for (const auto& c : cases) {
    QFile f(store.Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.ini);
    f.close();
    EXPECT_EQ(store.Load(), c.expected) << c.ini;
  }
}

TEST(Preferences, UnwritablePlaceIsReportedNotFatal) {
  QTemporaryDir dir;
  QFile blocker(QDir(dir.path()).filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const PreferenceStore store(QDir(dir.path()).filePath(QStringLiteral("file/preferences.ini")));
  EXPECT_FALSE(store.Save(Preferences{}));
  EXPECT_EQ(store.Load(), Preferences{});
}

}  // namespace
}  // namespace korvane
